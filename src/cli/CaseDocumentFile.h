#pragma once

// The case document that a subcommand's --caso names, read and checked for every subcommand
// that takes one: a file, or standard input for "-". A document that cannot be had (no such
// file, no permission, a folder, not a case document, a key refused) is an input error: exit
// 1, one message on standard error naming the file and, for a refused key, its place.

#include "caso/CaseDocument.h"
#include "cli/CaseArguments.h"
#include "cli/Command.h"

#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zarn {

struct CaseFileReading {
    std::optional<CaseDocument> Document;
    std::optional<CommandResult> Fault; // when there is no document

    bool Ok() const { return Document.has_value(); }
};

// `file` as given on the command line (Windows-1252).
CaseFileReading ReadCaseFile(std::string_view file, std::istream& standardInput);

// The input error of a document read from `file`: "zarn-calc: caso.zarn: <message>".
CommandResult CaseFileFault(std::string_view file, std::string_view message);

// The start of a subcommand on a case document: its arguments read and the document they
// name read from its file.
struct CaseCommandStart {
    std::optional<CaseArguments> Arguments;
    std::optional<CaseDocument> Document;
    // Without a document, what the subcommand answers (none: the usage).
    std::optional<CommandResult> Answer;

    bool Ok() const { return Document.has_value(); }
};

CaseCommandStart StartCaseCommand(const CommandArguments& args, std::istream& standardInput,
                                  std::span<const std::string_view> switches,
                                  std::span<const std::string_view> valued = {});

} // namespace zarn
