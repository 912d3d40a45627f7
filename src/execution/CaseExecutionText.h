#pragma once

// The answer of an execution as a Portuguese text (Windows-1252): the convictions and the
// regime of the sum, then every dated statement in the order of its date (the periods and
// gaps, the grants of remicao, the faltas, each data-base and why, each progression with its
// requirement spelled out per conviction, parole, the ends, the state at the date of the
// calculation with the imputation, the alternatives), then the notes, the convention used
// and the closing line.

#include "execution/ExecutionAnswer.h"
#include "execution/ExecutionCase.h"

#include <cstddef>
#include <string>

namespace zarn {

std::string WriteCaseExecution(const CaseExecutionAnswer& answer, const ExecutionCase& question);

// data_base_motivo: why the data-base is that day, with the article.
std::string DataBaseReasonText(const DataBaseChange& change, const CaseExecutionAnswer& answer);

// "processo 0001111-11.2021.8.26.0050", or "condena\xE7\xE3o 2" (counted from 1) when the
// number is not given.
std::string ConvictionLabel(const CaseExecutionAnswer& answer, std::size_t conviction);

// What the grants left over for the next one: "2 dias de trabalho e 20 horas de
// recolhimento noturno".
std::string CarriedText(const CaseExecutionAnswer& answer);

} // namespace zarn
