#include "CommandLine.h"

#include "design/Text.h"

namespace trivelan::app {

Start ReadArguments(std::span<char* const> args, std::FILE* out, std::FILE* err) {
    const auto words = design::CommandLineWords(
        args.size(),
        [args](std::size_t i, std::size_t limit) { return design::FromUtf8(args[i], limit); });
    const design::CommandLineAnswer answer = design::AnswerCommandLine(words, true);
    if (answer.status) {
        std::fprintf(answer.error ? err : out, "%s", design::ToUtf8(answer.text).c_str());
    }
    return {answer.status, answer.start};
}

}  // namespace trivelan::app
