#pragma once

// The question of an execution: several convictions, the periods in which they were being
// served and the dated events, as the case document holds them (caso.md: `condenacoes`,
// `periodos`, `eventos`, `opcoes`, `regime_inicial`, `data_calculo`, `convencao`). Each
// field mirrors one key, so that a reader of the document fills them with no logic of its
// own; every check of the values is ValidateExecutionCase's. Texts are Windows-1252.

#include "dates/CivilDate.h"
#include "law/CaseFacts.h"
#include "law/SpanLayout.h"

#include <optional>
#include <string>
#include <vector>

namespace zarn {

// opcoes.imputacao: the order in which time served is imputed to the convictions.
enum class Imputacao { Transito, Gravidade, Proporcional };

// opcoes.livramento_vedado: a conviction whose parole is barred.
enum class LivramentoVedado { Separado, Conjunto };

// opcoes.limite_art75: the cap of art. 75 of the unification.
enum class LimiteArt75 { UltimoCrime, MaisFavoravel };

// eventos[i].tipo.
enum class EventKind { FaltaGrave, Fuga, Remicao, RecolhimentoNoturno, Progressao, Regressao };

// condenacoes[i]. The term is days on the 360/30 base; the date of the crime is
// Facts.CrimeDate (data_crime).
struct Conviction {
    std::string Processo;
    std::string Crime;
    long long TermDays = 0;                     // pena
    std::optional<long long> DiasMulta;         // dias_multa
    std::optional<DayNumber> TransitoEmJulgado; // transito_em_julgado
    CaseFacts Facts;                            // fatos, data_crime
    bool DuringExecution = false;               // durante_execucao
};

// periodos[i]: both days count; no end while still serving at the date of the calculation.
struct ServingPeriod {
    DayNumber Start = 0;          // inicio
    std::optional<DayNumber> End; // fim
    std::string Description;      // descricao
};

// eventos[i]. Only the keys of its kind are given; the others stay empty.
struct ExecutionEvent {
    EventKind Kind = EventKind::FaltaGrave; // tipo
    DayNumber Date = 0;                     // data
    std::string Description;                // descricao
    long long RemicaoLost = 0;              // remicao_perdida (falta_grave)
    // remicao: exactly one of the four.
    std::optional<long long> Days;       // dias
    std::optional<long long> WorkDays;   // trabalho_dias
    std::optional<long long> StudyHours; // estudo_horas
    bool LevelCompleted = false;         // conclusao (with estudo_horas)
    std::optional<long long> Books;      // livros
    std::optional<long long> Hours;      // horas (recolhimento_noturno)
    std::optional<Regime> ToRegime;      // regime (progressao, regressao)
};

// opcoes: the options of law.md 10 and 11, defaults first.
struct ExecutionOptions {
    Imputacao Imputation = Imputacao::Transito;                 // imputacao
    LivramentoVedado BarredParole = LivramentoVedado::Separado; // livramento_vedado
    LimiteArt75 Art75Limit = LimiteArt75::UltimoCrime;          // limite_art75

    friend bool operator==(const ExecutionOptions&, const ExecutionOptions&) = default;
};

struct ExecutionCase {
    std::vector<Conviction> Convictions; // condenacoes
    std::vector<ServingPeriod> Periods;  // periodos
    std::vector<ExecutionEvent> Events;  // eventos
    ExecutionOptions Options;            // opcoes
    std::optional<Regime> InitialRegime; // regime_inicial; none: law.md 3 for the sum
    DayNumber CalculationDate = 0;       // data_calculo (the reader puts today for null)
    CountingConvention Convention = CountingConvention::Base360; // convencao
};

} // namespace zarn
