#pragma once

// The case document that a subcommand's --caso names, read and checked for every subcommand
// that takes one: a file, or standard input for "-". A document that cannot be had (no such
// file, no permission, a folder, not a case document, a key refused) is an input error: exit
// 1, one message on standard error naming the file and, for a refused key, its place.

#include "caso/CaseDocument.h"
#include "cli/Command.h"

#include <iosfwd>
#include <optional>
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

} // namespace zarn
