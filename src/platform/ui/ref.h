#pragma once

#include <memory>

namespace vemra::ui {

// Something whose end others can observe; Ref<T> turns into null once the object is gone.
class Lifetime {
public:
    std::weak_ptr<void> watch() const { return token_; }

private:
    std::shared_ptr<void> token_ = std::make_shared<char>(0);
};

template <class T>
class Ref {
public:
    Ref() = default;
    Ref(std::nullptr_t) {}
    Ref(T* object) : object_(object), alive_(object ? object->lifetime().watch() : std::weak_ptr<void>{}) {}

    T* get() const { return alive_.expired() ? nullptr : object_; }
    T* operator->() const { return get(); }
    T& operator*() const { return *get(); }
    explicit operator bool() const { return get() != nullptr; }
    friend bool operator==(const Ref& a, const Ref& b) { return a.get() == b.get(); }
    friend bool operator==(const Ref& a, const T* b) { return a.get() == b; }

private:
    T* object_ = nullptr;
    std::weak_ptr<void> alive_;
};

}  // namespace vemra::ui
