#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vemra::app {

// What the content check found of one file the title reads.
enum class FileState { ok, missing, damaged };

struct CheckedFile {
    std::string path;     // as the title names it ("data1\\08.dat")
    std::string what;     // what it is, in the program's words
    std::string storedAs; // the name in the tree when it differs from the title's only in case
    FileState state = FileState::ok;
    std::vector<std::string> reasons;  // why it is missing or damaged, in the title's words where it has them
};

// Every file the title can read, by the name rules of every Part, read as the title reads it.
// The lists come first, since they name the files read after them.
class ContentCheck {
public:
    // Runs every step; `step` is told the name of each before it runs, with how many there are.
    void run(const std::function<void(std::size_t done, std::size_t total, std::string_view name)>& step);

    // The files in the order they were named, and the tree's files no rule names (as stored).
    const std::vector<CheckedFile>& files() const { return files_; }
    std::vector<std::string> unnamed() const;

    // For the steps: a file the title reads, once (later calls return the same entry).
    CheckedFile& name(std::string_view path, std::string_view what);
    // Notes what is wrong with the file the message names (else with `path`): the title's message
    // names the file whose reading failed, which a message about another file's field points at.
    void fault(std::string_view path, const std::string& message);
    // Reads the file with `read` when it exists (else notes it missing); what `read` throws is a fault.
    void read(std::string_view path, std::string_view what, const std::function<void()>& read);

private:
    std::vector<CheckedFile> files_;
    std::map<std::string, std::size_t, std::less<>> index_;  // by path in lower case
};

}  // namespace vemra::app
