#pragma once

// The legal analyses' own words (Windows-1252): the messages of the inputs they refuse and
// the names of regimes and conventions. The paragraphs of the texts are in the text files.

#include <string_view>

namespace zarn {

inline constexpr std::string_view kTermTooShortMessage = "A pena deve ser de pelo menos 1 dia.";
inline constexpr std::string_view kTermTooLongMessage = "A pena passa do limite do c\xE1lculo.";
inline constexpr std::string_view kNegativeDetracaoMessage =
    "Os dias de detra\xE7\xE3o n\xE3o podem ser negativos.";
inline constexpr std::string_view kNegativeRemicaoMessage =
    "Os dias de remi\xE7\xE3o n\xE3o podem ser negativos.";
inline constexpr std::string_view kDetracaoTooLongMessage =
    "Os dias de detra\xE7\xE3o passam do limite do c\xE1lculo.";
inline constexpr std::string_view kRemicaoTooLongMessage =
    "Os dias de remi\xE7\xE3o passam do limite do c\xE1lculo.";
// A start date that is no date of the calendar, or that does not read as one.
inline constexpr std::string_view kUnreadableStartMessage =
    "Data de in\xED"
    "cio inv\xE1lida: digite dia, m\xEAs e ano (dd/mm/aaaa).";
inline constexpr std::string_view kDateOutOfRangeMessage =
    "Data fora do calend\xE1rio: as datas v\xE3o de 01/01/0001 a 31/12/9999.";

inline constexpr std::string_view kFechadoName = "fechado";
inline constexpr std::string_view kSemiabertoName = "semiaberto";
inline constexpr std::string_view kAbertoName = "aberto";

} // namespace zarn

namespace zarn {

// The readings and notes the answers carry (law.md 6 to 8), said in the texts and listed
// as the JSON's notes.
inline constexpr std::string_view kNoteCrimeDateNotGiven =
    "Data do crime n\xE3o informada: aplicada a lei em vigor hoje.";
inline constexpr std::string_view kNoteLaterLawApplied =
    "Aplicada a lei posterior mais favor\xE1vel ao crime anterior a ela: ";
inline constexpr std::string_view kNoteCulposoNeverViolent =
    "Crime culposo: a viol\xEAncia dos incisos III e IV do art. 112 da LEP \xE9 a do crime "
    "doloso, e o culposo progride pelos incisos I ou II, como o CP l\xEA a viol\xEAncia nos arts. "
    "44, I, e 83, par\xE1grafo \xFAnico (leitura adotada pelo Zarn, a mais favor\xE1vel).";
inline constexpr std::string_view kNoteTema1084 =
    "Reincidente gen\xE9rico em crime hediondo: 40% (LEP art. 112, V; STJ Tema 1084).";
inline constexpr std::string_view kNoteTema1196Progression =
    "Reincidente gen\xE9rico em crime hediondo com resultado morte: 50% (LEP art. 112, VI, a; "
    "STJ Tema 1196).";
inline constexpr std::string_view kNoteTema1196Parole =
    "O reincidente gen\xE9rico em crime hediondo com resultado morte conserva o livramento "
    "condicional a 2/3; a veda\xE7\xE3o do art. 112, VI, a, da LEP alcan\xE7"
    "a s\xF3 o prim\xE1rio (STJ Tema 1196).";
inline constexpr std::string_view kNoteFeminicideRepeatOffender =
    "Feminic\xED"
    "dio por reincidente gen\xE9rico: 55% (LEP art. 112, VI-A), pois a lei n\xE3o lhe d\xE1 "
    "fra\xE7\xE3o pr\xF3pria e nenhuma abaixo da do prim\xE1rio seria correta; o livramento "
    "condicional segue cab\xEDvel a 2/3, pois a veda\xE7\xE3o nomeia s\xF3 o prim\xE1rio "
    "(leitura adotada pelo Zarn).";
inline constexpr std::string_view kNoteFeminicideBefore2015 =
    "O feminic\xED"
    "dio \xE9 hediondo desde 10/03/2015 (Lei 13.104/2015): para crime anterior, informe a "
    "natureza que a lei lhe dava na data do crime.";
inline constexpr std::string_view kNoteFeminicideBefore2024 =
    "Feminic\xED"
    "dio anterior a 10/10/2024: o consumado segue as regras do crime hediondo com resultado "
    "morte, o tentado as do crime hediondo (a Lei 14.994/2024 n\xE3o retroage).";
inline constexpr std::string_view kNoteParagraph3Conditions =
    "O \xA7 3\xBA do art. 112 da LEP exige ainda o que o c\xE1lculo n\xE3o verifica: crime n\xE3o "
    "cometido contra filho ou dependente, bom comportamento carcer\xE1rio e n\xE3o ter integrado "
    "organiza\xE7\xE3o criminosa; deixa de valer ap\xF3s novo crime doloso ou falta grave (\xA7 "
    "4\xBA).";
inline constexpr std::string_view kNoteRepeatNotInDoloso =
    "Reincidente, mas n\xE3o em crime doloso (CP arts. 44, II, 77, I, e 83, I e II): "
    "substitui\xE7\xE3o, sursis e livramento seguem as regras do n\xE3o reincidente.";
inline constexpr std::string_view kNoteBadAntecedents =
    "Maus antecedentes sem reincid\xEAncia em crime doloso: livramento a 1/3 (CP art. 83, I e "
    "II: a lei \xE9 omissa, e o Zarn adota a leitura mais favor\xE1vel, a do STJ).";
inline constexpr std::string_view kNoteParoleBarNotBefore2020 =
    "A veda\xE7\xE3o do livramento do art. 112, VI, a, da LEP (Lei 13.964/2019) n\xE3o alcan\xE7"
    "a crime anterior a 23/01/2020.";
inline constexpr std::string_view kNoteParoleBarNotBefore2024 =
    "A veda\xE7\xE3o do livramento ao feminic\xED"
    "dio (LEP art. 112, VI-A, Lei 14.994/2024) n\xE3o alcan\xE7"
    "a crime anterior a 10/10/2024, nem o alcan\xE7"
    "a a do inciso VI, a (leitura mais favor\xE1vel, adotada pelo Zarn).";
inline constexpr std::string_view kNoteFeminicideSpecificRepeatOffender =
    "Feminic\xED"
    "dio por reincidente espec\xED"
    "fico: 70% (LEP art. 112, VIII), a fra\xE7\xE3o do reincidente espec\xED"
    "fico em crime hediondo com resultado morte (leitura adotada pelo Zarn).";

inline constexpr std::string_view kNoteArt75Benefits =
    "Os benef\xED"
    "cios da execu\xE7\xE3o contam-se sobre a pena total, n\xE3o sobre o limite do art. 75 do "
    "CP (S\xFAmula 715 do STF).";
inline constexpr std::string_view kNoteArt75Deductions =
    "Detra\xE7\xE3o e remi\xE7\xE3o tamb\xE9m descontadas do limite do art. 75 do CP (a lei "
    "\xE9 omissa; leitura mais favor\xE1vel, adotada pelo Zarn).";
inline constexpr std::string_view kNoteHediondoBefore2007 =
    "Crime hediondo anterior a 29/03/2007: 1/6, como os demais (S\xFAmula 471 do STJ; S\xFAmula "
    "Vinculante 26).";

} // namespace zarn
