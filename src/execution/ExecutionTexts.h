#pragma once

// The execution's own words (Windows-1252): the messages of the cases it refuses, each put
// after the place of the item at fault ("eventos[3].data: "), and the readings its answers
// rest on, listed in the text's notes. The lists count from 0, as the document's do.

#include <string_view>

namespace zarn {

inline constexpr std::string_view kOutsideCalendar =
    "data fora do calend\xE1rio (as datas v\xE3o de 01/01/0001 a 31/12/9999).";
inline constexpr std::string_view kAfterCalculation = "posterior \xE0 data do c\xE1lculo";
inline constexpr std::string_view kNoConviction =
    "condenacoes: informe ao menos uma condena\xE7\xE3o.";
inline constexpr std::string_view kNoConvictionBeforeServing =
    "condenacoes: ao menos uma condena\xE7\xE3o deve ser anterior ao cumprimento "
    "(durante_execucao falso).";
inline constexpr std::string_view kSumTooLong =
    "condenacoes: a soma das penas passa do limite do c\xE1lculo (9999 anos).";
inline constexpr std::string_view kTermTooShort = "a pena deve ser de pelo menos 1 dia.";
inline constexpr std::string_view kTermTooLong =
    "a pena passa do limite do c\xE1lculo (9999 anos).";
inline constexpr std::string_view kNegative = "n\xE3o pode ser negativo.";
inline constexpr std::string_view kTooLarge = "passa do limite do c\xE1lculo.";
inline constexpr std::string_view kCrimeDateNeeded =
    "informe a data do crime cometido durante a execu\xE7\xE3o (S\xFAmula 526 do STJ).";
inline constexpr std::string_view kCrimeBeforeServing =
    "o crime cometido durante a execu\xE7\xE3o n\xE3o pode ser anterior ao primeiro dia de "
    "cumprimento";
inline constexpr std::string_view kNoPeriod =
    "periodos: informe ao menos um per\xED"
    "odo de cumprimento (o primeiro dia de cumprimento \xE9 a data-base inicial).";
inline constexpr std::string_view kEndsBeforeStart = "termina antes de come\xE7"
                                                     "ar";
inline constexpr std::string_view kOverlap = "se sobrep\xF5"
                                             "em";
inline constexpr std::string_view kOpenPeriodHint =
    "; deixe o fim vazio se o cumprimento continua.";
inline constexpr std::string_view kBeforeFirstDay = "anterior ao primeiro dia de cumprimento";
inline constexpr std::string_view kLostOnlyAtFalta =
    "s\xF3 a falta grave tira remi\xE7\xE3o (LEP art. 127).";
inline constexpr std::string_view kRemicaoAmountMissing =
    "informe dias, trabalho_dias, estudo_horas ou livros da remi\xE7\xE3o.";
inline constexpr std::string_view kRemicaoAmountTwice =
    "informe s\xF3 um de dias, trabalho_dias, estudo_horas ou livros.";
inline constexpr std::string_view kOnlyForRemicao = "s\xF3 cabe num evento de remi\xE7\xE3o.";
inline constexpr std::string_view kOnlyForStudy = "s\xF3 cabe com estudo_horas.";
inline constexpr std::string_view kHoursMissing = "informe as horas do recolhimento noturno.";
inline constexpr std::string_view kOnlyForNightConfinement =
    "s\xF3 cabe num evento de recolhimento noturno.";
inline constexpr std::string_view kRegimeMissing = "informe o regime.";
inline constexpr std::string_view kOnlyForRegimeChange =
    "s\xF3 cabe numa progress\xE3o ou regress\xE3o.";
inline constexpr std::string_view kNoProgressionToFechado =
    "n\xE3o h\xE1 progress\xE3o para o regime fechado.";
inline constexpr std::string_view kNoRegressionToAberto =
    "n\xE3o h\xE1 regress\xE3o para o regime aberto.";
inline constexpr std::string_view kEscapeInsidePeriod =
    "o per\xED"
    "odo deve terminar na data da fuga ou antes";
inline constexpr std::string_view kLostAboveThird =
    "passa de um ter\xE7o da remi\xE7\xE3o concedida antes da falta, descontadas as perdas "
    "anteriores";
inline constexpr std::string_view kProgressionNotNext =
    "a progress\xE3o n\xE3o salta regime (S\xFAmula 491 do STJ): do regime ";
inline constexpr std::string_view kRegressionNotHarsher =
    "a regress\xE3o n\xE3o vai para regime mais brando que o atual, ";
inline constexpr std::string_view kBeyondCalendar =
    "as datas da execu\xE7\xE3o passariam de 31/12/9999.";
inline constexpr std::string_view kSumBeyondCalendar =
    "condenacoes: as datas da execu\xE7\xE3o passariam de 31/12/9999.";

// ---- Readings the answers rest on ----------------------------------------------------------

inline constexpr std::string_view kNoteRecordedRegime =
    "Regime atual: o \xFAltimo registrado (o inicial, as progress\xF5"
    "es e as regress\xF5"
    "es informadas); a progress\xE3o alcan\xE7"
    "ada e n\xE3o registrada n\xE3o o muda antes de concedida (a lei \xE9 omissa; leitura "
    "adotada pelo Zarn, como na falta grave que a encontra sem registro).";
inline constexpr std::string_view kNoteFirstDayAfterGap =
    "Data-base: o primeiro dia de cumprimento, embora o cumprimento tenha sido interrompido e "
    "retomado sem falta grave; a soltura e a nova pris\xE3o n\xE3o reiniciam a contagem (leitura "
    "adotada pelo Zarn, a mais favor\xE1vel; a \xFAltima pris\xE3o, do STJ Tema 1006, a "
    "reiniciaria).";
inline constexpr std::string_view kNoteRemicaoFromGrant =
    "A remi\xE7\xE3o conta como pena cumprida desde a data em que \xE9 concedida (LEP art. 128; "
    "a lei n\xE3o fixa a data: leitura adotada pelo Zarn); a concedida desde a data-base "
    "desconta-se do requisito, que pode ent\xE3o ter-se completado antes da concess\xE3o.";
inline constexpr std::string_view kNoteCarried =
    "Dias de trabalho e horas de estudo ou de recolhimento que n\xE3o formam um dia inteiro "
    "passam para a concess\xE3o seguinte do mesmo tipo (leitura adotada pelo Zarn). Sobram: ";
inline constexpr std::string_view kNoteCreditsFromFirstDay =
    "A detra\xE7\xE3o anterior ao primeiro dia de cumprimento (recolhimento noturno, "
    "detra\xE7\xE3o "
    "dos fatos) conta desde esse dia e desconta-se dos requisitos, como tempo j\xE1 cumprido "
    "(CP art. 42; leitura adotada pelo Zarn).";
inline constexpr std::string_view kNoteNightConfinement =
    "Recolhimento noturno e nos fins de semana como cautelar: horas / 24, como pena cumprida, "
    "n\xE3o como remi\xE7\xE3o (STJ Tema 1155).";
inline constexpr std::string_view kNoteTransitoOrder =
    "Imputa\xE7\xE3o pela ordem do tr\xE2nsito em julgado: reclus\xE3o antes de deten\xE7\xE3o "
    "(CP arts. 69 e 76), depois a data do tr\xE2nsito; as condena\xE7\xF5"
    "es sem essa data v\xEAm depois das datadas, na ordem informada (leitura adotada pelo Zarn, "
    "na linha do STJ).";
inline constexpr std::string_view kNoteGravityOrder =
    "Imputa\xE7\xE3o pela gravidade: reclus\xE3o antes de deten\xE7\xE3o, depois a maior "
    "fra\xE7\xE3o de progress\xE3o, depois a pena mais longa, depois a ordem informada (CP art. "
    "76, como o leem outros tribunais).";
inline constexpr std::string_view kNoteProportionalOrder =
    "Imputa\xE7\xE3o proporcional: cada condena\xE7\xE3o, exceto a primeira informada, recebe "
    "a parte do tempo cumprido proporcional \xE0 sua pena, desprezadas as fra\xE7\xF5"
    "es de dia; a primeira recebe o resto.";
inline constexpr std::string_view kNoteParoleSeparate =
    "Livramento: a condena\xE7\xE3o com livramento vedado entra na soma pela pena inteira, e as "
    "demais pela sua fra\xE7\xE3o (leitura adotada pelo Zarn, a mais favor\xE1vel; op\xE7\xE3o "
    "livramento_vedado = separado).";
inline constexpr std::string_view kNoteParoleJoint =
    "Livramento: a veda\xE7\xE3o de uma condena\xE7\xE3o alcan\xE7"
    "a toda a soma (op\xE7\xE3o livramento_vedado = conjunto).";
inline constexpr std::string_view kNoteRegressionKeepsDataBase =
    "A regress\xE3o muda o regime, mas n\xE3o a data-base (a lei \xE9 omissa; leitura mais "
    "favor\xE1vel, adotada pelo Zarn): a falta grave que a motive deve ser registrada como "
    "evento pr\xF3prio.";
inline constexpr std::string_view kNoteDueAtRegression =
    "Progress\xE3o cujo requisito j\xE1 estava cumprido quando a regress\xE3o trouxe o regime de "
    "volta: devida na data da regress\xE3o, que passa a contar como data-base (leitura adotada "
    "pelo Zarn).";
inline constexpr std::string_view kNoteCrimeDuringExecution =
    "Crime cometido durante a execu\xE7\xE3o: sua data \xE9 data-base (S\xFAmula 526 do STJ) e "
    "inicia nova unifica\xE7\xE3o (CP art. 75, \xA7 2\xBA); o tempo cumprido antes dele fica "
    "imputado \xE0s condena\xE7\xF5"
    "es anteriores (leitura adotada pelo Zarn). A nova condena\xE7\xE3o n\xE3o muda o regime "
    "por si: registre a regress\xE3o, se houver (LEP art. 118, II).";
inline constexpr std::string_view kNoteDueWithoutEvent =
    "Progress\xE3o devida sem evento que a registre: a seguinte conta da data em que era "
    "devida, e o tempo cumprido antes dela \xE9 o da data-base anterior mais o requisito (LEP "
    "art. 112, \xA7 6\xBA; STJ HC 369.774).";
inline constexpr std::string_view kNoteWaiting =
    "Sem per\xED"
    "odo de cumprimento em curso na data do c\xE1lculo: os requisitos ainda n\xE3o cumpridos "
    "mant\xEAm seus dias e aguardam o retorno ao cumprimento para ter data.";
inline constexpr std::string_view kNoteParagraph3Lapsed =
    "O \xA7 3\xBA do art. 112 da LEP deixou de valer ap\xF3s falta grave ou novo crime doloso "
    "(\xA7 4\xBA), em ";
inline constexpr std::string_view kNoteRegimeWithoutTransito =
    "Regime da soma sem desconto do tempo cumprido: nenhuma condena\xE7\xE3o informa o "
    "tr\xE2nsito em julgado (LEP art. 111).";
inline constexpr std::string_view kNoteArt75MostFavourable =
    "Limite do art. 75 do CP: 30 anos, pois h\xE1 na unifica\xE7\xE3o crime anterior a "
    "23/01/2020 (op\xE7\xE3o limite_art75 = mais_favoravel).";
inline constexpr std::string_view kNoteArt75LatestCrime =
    "Limite do art. 75 do CP: o do crime mais recente da unifica\xE7\xE3o (op\xE7\xE3o "
    "limite_art75 = ultimo_crime).";
inline constexpr std::string_view kNoteVoidedByFalta =
    "Progress\xE3o devida e n\xE3o registrada antes de falta grave, fuga ou crime doloso "
    "durante a execu\xE7\xE3o: tomada como n\xE3o concedida; o regime na data do evento \xE9 o "
    "\xFAltimo registrado e a contagem recome\xE7"
    "a dela (a lei \xE9 omissa; leitura adotada pelo Zarn). Registre a progress\xE3o, se "
    "concedida.";
inline constexpr std::string_view kNoteTimeBeyondEarlierTerms =
    "Tempo cumprido antes de crime cometido durante a execu\xE7\xE3o, al\xE9m das penas "
    "ent\xE3o unificadas, n\xE3o se imputa \xE0 nova condena\xE7\xE3o (CP art. 75, \xA7 2\xBA) "
    "nem conta para o t\xE9rmino.";

} // namespace zarn
