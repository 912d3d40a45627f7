#pragma once

// The subcommands of zarn-calc, one file each; CommandTable.cpp lists them in order.

#include "cli/Command.h"

namespace zarn {

const Command& SentenceCommand();     // pena: one calculation of the main window
const Command& EndDateCommand();      // termino: the calendar's end date
const Command& MemoryCommand();       // memoria: a chain written as its calculation record
const Command& FractionCommand();     // fracao: the fraction that turned one term into another
const Command& ConsequencesCommand(); // consequencias: the consequences of a term
const Command& ExecutionCommand();    // execucao: the dates of a term's execution
const Command& PrescriptionCommand(); // prescricao: the prescription of a case document
const Command& SentencingCommand();   // dosimetria: the dosimetria of a case document

} // namespace zarn
