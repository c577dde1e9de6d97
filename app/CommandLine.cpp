#include "CommandLine.h"

#include <string>
#include <vector>

#include "design/Text.h"

namespace trivelan::app {

Start ReadArguments(std::span<char* const> args, std::FILE* out, std::FILE* err) {
    std::vector<std::u16string> words;
    for (std::size_t i = 1; i < args.size() && i <= design::kMostArguments + 1; ++i) {
        words.push_back(design::FromUtf8(args[i], design::kLongestInput + 1));
    }
    const design::CommandLine line = design::ReadCommandLine(words);
    const std::string message = design::ToUtf8(line.message);
    switch (line.action) {
        case design::CommandLine::Action::Help:
        case design::CommandLine::Action::Version:
            std::fprintf(out, "%s%s", message.c_str(), message.ends_with('\n') ? "" : "\n");
            return {0, {}};
        case design::CommandLine::Action::Refuse:
            std::fprintf(err, "trivelan: %s %s\n", message.c_str(),
                         design::ToUtf8(design::kHelpHint).c_str());
            return {2, {}};  // a usage error
        case design::CommandLine::Action::Run:
            break;
    }
    return {std::nullopt, line.start};
}

}  // namespace trivelan::app
