#pragma once

// The dosimetria's own words (Windows-1252): the messages of the inputs it refuses, each
// written after the place of the item at fault ("dosimetria.crimes[1].maximo: ..."), beside
// the engine's and the legal analyses' own (the ceiling of dias-multa, the length of a term).
// The paragraphs' words are in SentencingText.cpp.

#include <string_view>

namespace zarn {

inline constexpr std::string_view kDosimetriaPath = "dosimetria";
inline constexpr std::string_view kCrimesKey = "crimes";
inline constexpr std::string_view kConcursoKey = "concurso";
inline constexpr std::string_view kPathSeparator = ": ";

inline constexpr std::string_view kNoCrimesMessage = "Informe pelo menos um crime.";
inline constexpr std::string_view kMaximumBelowMinimumMessage =
    "A pena m\xE1xima \xE9 menor que a m\xEDnima.";
inline constexpr std::string_view kFinesMinimumTooLowMessage =
    "O m\xEDnimo de dias-multa deve ser de pelo menos 1.";
inline constexpr std::string_view kFinesMaximumBelowMinimumMessage =
    "O m\xE1ximo de dias-multa \xE9 menor que o m\xEDnimo.";
inline constexpr std::string_view kInformedFinesMissingMessage =
    "Informe os dias-multa: a op\xE7\xE3o de dias-multa \xE9 \"informada\".";
inline constexpr std::string_view kInformedFinesTooLowMessage =
    "Os dias-multa informados devem ser pelo menos 1.";
inline constexpr std::string_view kZeroDenominatorMessage = "Fra\xE7\xE3o com denominador zero.";
inline constexpr std::string_view kFractionNotPositiveMessage =
    "A fra\xE7\xE3o deve ser maior que zero.";
inline constexpr std::string_view kFractionTooLongMessage =
    "Numerador e denominador v\xE3o at\xE9 999.";
inline constexpr std::string_view kDecreaseOfTheWholeMessage =
    "A diminui\xE7\xE3o deve ser menor que a pena inteira (fra\xE7\xE3o abaixo de 1).";
inline constexpr std::string_view kIncreaseTooShortMessage =
    "O aumento deve ser de pelo menos 1 dia.";
// Followed by the date the bar took force and its law: "... a partir de 04/07/2025 (Lei ...)".
inline constexpr std::string_view kAgeAtenuanteWords = "A atenuante da idade";
inline constexpr std::string_view kAgeAtenuanteBarredWords =
    " n\xE3o se aplica a crime de viol\xEAncia sexual contra a mulher cometido a partir de ";
inline constexpr std::string_view kConcursoOfOneCrimeMessage =
    "O concurso exige pelo menos dois crimes.";
inline constexpr std::string_view kConcursoMissingMessage =
    "Com dois ou mais crimes, escolha o concurso.";
inline constexpr std::string_view kSpecificFractionMissingMessage =
    "Informe a fra\xE7\xE3o de aumento do crime continuado espec\xED"
    "fico.";
inline constexpr std::string_view kSpecificFractionTooLargeMessage =
    "O aumento vai at\xE9 o triplo da pena (2/1).";
inline constexpr std::string_view kFractionOnlyForSpecificMessage =
    "A fra\xE7\xE3o s\xF3 se informa no crime continuado espec\xED"
    "fico.";
inline constexpr std::string_view kFractionsBeyondCalculationMessage =
    "As fra\xE7\xF5"
    "es passam do limite do c\xE1lculo.";

// The notes of an answer; a note on one crime of several starts with the crime's label.
inline constexpr std::string_view kCrimeLabelWord = "Crime ";
inline constexpr std::string_view kPendingCasesNote = "Antecedentes: inqu\xE9ritos e a\xE7\xF5"
                                                      "es penais em curso n\xE3o os agravam";
inline constexpr std::string_view kNoDoubleRepeatNote =
    "A condena\xE7\xE3o que gera a reincid\xEAncia n\xE3o pode servir tamb\xE9m de maus "
    "antecedentes";
inline constexpr std::string_view kSexualViolenceNote =
    "Crime de viol\xEAncia sexual contra a mulher: o caso n\xE3o traz a data do crime, e ele se "
    "toma como cometido a partir de ";
inline constexpr std::string_view kSexualViolenceNoteEnd =
    "; a atenuante da idade (CP art. 65, I) n\xE3o se aplica.";
inline constexpr std::string_view kIgnoredInformedFinesNote =
    "Os dias-multa informados n\xE3o se usam: os dias-multa seguem as fases da pena.";
inline constexpr std::string_view kTypedIncreaseFinesNote =
    "O aumento informado em tempo eleva os dias-multa na mesma propor\xE7\xE3o em que eleva a "
    "pena, sobre a mesma base do crit\xE9rio da pena-base.";
inline constexpr std::string_view kMaterialOrderNote =
    "Na execu\xE7\xE3o, cumpre-se primeiro a reclus\xE3o e depois a deten\xE7\xE3o";
inline constexpr std::string_view kPrescriptionAloneNote =
    "A prescri\xE7\xE3o de cada crime regula-se por sua pena, sem o aumento do concurso";
inline constexpr std::string_view kOneFineNote =
    "Multa \xFAnica do crime continuado: a do crime de pena mais grave (sem ela, a maior das "
    "outras), aumentada da mesma fra\xE7\xE3o e nunca acima da soma das multas";
inline constexpr std::string_view kSpecificFinesNote =
    "No crime continuado espec\xED"
    "fico, os dias-multa seguem a op\xE7\xE3o do crime "
    "continuado.";

} // namespace zarn
