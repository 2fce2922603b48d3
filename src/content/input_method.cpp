#include "content/input_method.h"

#include <algorithm>

#include "content/glyph_forms.h"
#include "platform/ui/input.h"

namespace vemra::content {

namespace {

constexpr std::uint8_t enter = 13;
constexpr std::uint8_t lamKey = 103;

// The key that retypes the alef of a ligature removed with Delete.
std::uint8_t alefKeyOf(std::uint8_t ligature) {
    switch (ligature) {
    case 136:
    case 137: return 104;
    case 138:
    case 139: return 78;
    case 140:
    case 141: return 72;
    default: return 89;
    }
}

std::uint8_t& front(std::string& s) { return reinterpret_cast<std::uint8_t&>(s.front()); }
std::uint8_t& back(std::string& s) { return reinterpret_cast<std::uint8_t&>(s.back()); }

// After a deletion the glyphs on either side of the gap meet.
void rejoin(std::string& left, std::string& right) {
    if (!left.empty() && !right.empty()) {
        if (isFourForm(classifyRight(front(right))) && classifyLeft(back(left)) != FormClass::unclassified) {
            front(right) = withLeftJoin(front(right));
            back(left) = withRightJoin(back(left));
        } else {
            front(right) = withoutLeftJoin(front(right));
            back(left) = withoutRightJoin(back(left));
        }
    } else if (!right.empty()) {
        front(right) = withoutLeftJoin(front(right));
    } else if (!left.empty()) {
        back(left) = withoutRightJoin(back(left));
    }
}

}  // namespace

void InputMethod::setSelection(int start, int length) {
    caret_ = std::clamp(start, 0, int(text_.size()));
    selection_ = std::clamp(length, 0, int(text_.size()) - caret_);
}

bool InputMethod::keyDown(int key) {
    switch (key) {
    case ui::vk::escape:
        if (onEscape) onEscape();
        return false;
    case ui::vk::end: caret_ = 0; break;
    case ui::vk::home: caret_ = int(text_.size()); break;
    case ui::vk::right: caret_ = std::min(caret_ + 1, int(text_.size())); break;
    case ui::vk::left: caret_ = std::max(caret_ - 1, 0); break;
    case ui::vk::del:
        pendingDelete_ = forwardDelete;
        step(std::nullopt);
        return false;
    case ui::vk::back: pendingDelete_ = backspaceDelete; return true;
    default: return true;
    }
    selection_ = 0;
    return false;
}

void InputMethod::step(std::optional<std::uint8_t> character) {
    if (character == enter) {
        if (onEnter) onEnter();
        return;
    }
    int p = caret_;
    std::string left = text_.substr(0, std::size_t(p)), right = text_.substr(std::size_t(p));
    std::optional<std::uint8_t> removed;
    bool cut = false;
    if (pendingDelete_ == backspaceDelete || (pendingDelete_ == forwardDelete && selection_ > 0)) {
        const std::size_t count = selection_ > 0 ? std::size_t(selection_) : 1;
        if (!right.empty()) {
            if (selection_ == 0) removed = front(right);
            right.erase(0, count);
            cut = true;
        }
    } else if (pendingDelete_ == forwardDelete && !left.empty()) {
        removed = back(left);
        left.pop_back();
        --p;
        cut = true;
    }

    if (pendingDelete_ == 0) {
        const KeyLookup key = tables_.lookUp(character.value_or(0));
        if (key.outcome == KeyLookup::Outcome::unreadable) {
            pendingDelete_ = 0;
            if (onNoLetter) onNoLetter();
            return;
        }
        if (key.outcome == KeyLookup::Outcome::letter) insert(left, right, key.letter);
    } else if (cut) {
        rejoin(left, right);
    }

    text_ = left + right;
    formFirstLigature(text_);
    caret_ = std::min(p, int(text_.size()));
    selection_ = 0;
    const int deletion = pendingDelete_;
    pendingDelete_ = 0;
    if (removed && isLigature(*removed)) step(deletion == backspaceDelete ? lamKey : alefKeyOf(*removed));
}

void InputMethod::insert(std::string& left, std::string& right, const TypedLetter& letter) const {
    const bool hasLeft = !left.empty(), hasRight = !right.empty();
    // Typed last after a non-joining glyph, a four-form letter stands alone and leaves it be.
    if (letter.fourForm() && !hasRight && hasLeft && isNonJoining(back(left))) {
        left.push_back(char(letter.forms[3]));
        return;
    }
    const bool joinsRight = hasRight && !letter.oneForm() && isFourForm(classifyRight(front(right)));
    const bool joinsLeft = hasLeft && letter.fourForm() && classifyLeft(back(left)) != FormClass::unclassified;
    if (joinsRight) front(right) = withLeftJoin(front(right));
    else if (hasRight && letter.oneForm()) front(right) = withoutLeftJoin(front(right));
    if (joinsLeft) back(left) = withRightJoin(back(left));
    else if (hasLeft && !letter.fourForm()) back(left) = withoutRightJoin(back(left));

    std::uint8_t code = letter.forms.back();  // isolated, or the one form
    if (letter.fourForm()) code = letter.forms[joinsLeft && joinsRight ? 1 : joinsLeft ? 0 : joinsRight ? 2 : 3];
    else if (letter.twoForm() && joinsRight) code = letter.forms[0];
    left.push_back(char(code));
}

}  // namespace vemra::content
