// The stakes a script line makes from what its filters left: one combination (random, first or
// last), each of them, the combinations of a wheeling system over their numbers, or a stop.

#include "app/ScriptController.h"

#include "app/CandidatesController.h"
#include "app/Services.h"
#include "app/StakesController.h"
#include "app/SystemsController.h"
#include "core/GameMath.h"
#include "core/TextForms.h"
#include "stakes/StakeIndex.h"
#include "stakes/Systems.h"

#include <QFileInfo>

namespace app {

void ScriptController::stake(const core::TComb& comb, const QString& comment, bool newOnly, bool bulk)
{
    m_stakes.scriptStakeAdd(core::ValueSetFromComb(comb), comment, newOnly, bulk, listCount());
    stopIfNotStored();
}

void ScriptController::makeStakes(const scripts::TScriptHeader& header, int line, const QString& filtersText,
                                  const QString& comment, int variant)
{
    const int mode = header.ResultMode;
    log(tr("{*} Добавление ставки, режим: \"%1\"").arg(scripts::ResultModeCaption(mode)));
    const std::size_t count = listCount();
    if (count == 0 || mode == scripts::ResultNone)
        return;
    const QString stakeComment = scripts::StakeCommentText(line, variant, comment, filtersText);
    if (count > 1 && mode == scripts::ResultStop) {
        m_stop = true;
        m_lastEnd = RunEnd::Stopped;
        log(tr("{!} Сценарий остановлен!"));
        m_services.showWarning(
            tr("Выполнение сценария прервано, т.к. после применения всех фильтров в списке комбинаций "
               "их осталось более одной: %1!\n\nФильтры: %2")
                .arg(count)
                .arg(stakeComment));
        return;
    }
    if (count > 1 && mode == scripts::ResultSkip) {
        log(tr("{-} Ставка игнорирована!"));
        return;
    }
    if (m_stop)
        return;
    if (count == 1) {
        stake(listAt(0), stakeComment, header.NewOnly, false);
    } else {
        // Modes that take the whole list need it made.
        if (mode == scripts::ResultAll || mode == scripts::ResultSystemAll || mode == scripts::ResultSystemCombs)
            listMake();
        const core::TCombsArray& combs = m_candidates.combs();
        switch (mode) {
        case scripts::ResultRandom:
            stake(listAt(std::size_t(m_random.bounded(quint64(count)))), stakeComment, header.NewOnly, false);
            break;
        case scripts::ResultFirst:
            stake(listAt(0), stakeComment, header.NewOnly, false);
            break;
        case scripts::ResultLast:
            stake(listAt(count - 1), stakeComment, header.NewOnly, false);
            break;
        case scripts::ResultAll:
            for (std::size_t i = 0; i < combs.size(); ++i) {
                if (pollStop())
                    break;
                stake(combs[i], stakeComment, header.NewOnly, true);
            }
            break;
        case scripts::ResultSystemAll:
        case scripts::ResultSystemCombs: {
            const core::TByteArray numbers = core::CollectNumbers(combs.data(), combs.size());
            const int n = int(numbers.size());
            const stakes::SystemExpansion system =
                stakes::SystemExpand(m_services.folder().file(QStringLiteral("Systems")), numbers);
            if (system.Combs.empty()) {
                log(tr("{#} Системная игра для %1 чисел [ОШИБКА]: \"%2\"").arg(n).arg(system.Message));
                // A test meets the same missing system in every cycle; the person hears of it once.
                if (!m_systemsReported.contains(n)) {
                    m_systemsReported << n;
                    m_services.showError(
                        system.Found
                            ? tr("Ошибка загрузки комбинаций системы!") + QStringLiteral("\n\n") + system.Message
                            : SystemsController::missingSystemText(m_services.folder().file(QStringLiteral("Systems")),
                                                                   system.Message, n));
                }
                break;
            }
            const QString name = QFileInfo(system.File).completeBaseName();
            const bool filtered = mode == scripts::ResultSystemCombs;
            log(filtered ? tr("{#} Системная игра для %1 чисел [система * комбинации]: загружен файл \"%2\"")
                               .arg(n)
                               .arg(name)
                         : tr("{#} Системная игра для %1 чисел [все система]: загружен файл \"%2\"").arg(n).arg(name));
            // Which combinations the list holds, by rank: a system of thousands of lines against a
            // list of millions is then a lookup per line, not a search.
            std::vector<bool> inList;
            if (filtered) {
                inList.assign(std::size_t(core::TotalCombs()), false);
                for (const core::TComb& c : combs) {
                    const std::int32_t rank = stakes::StakeIndex::CombRank(core::ValueSetFromComb(c));
                    if (rank >= 0)
                        inList[std::size_t(rank)] = true;
                }
            }
            for (core::TComb comb : system.Combs) {
                if (pollStop())
                    break;
                core::SortComb(comb);
                if (filtered) {
                    const std::int32_t rank = stakes::StakeIndex::CombRank(core::ValueSetFromComb(comb));
                    if (rank < 0 ? !m_candidates.contains(comb) : !inList[std::size_t(rank)])
                        continue;
                }
                stake(comb, stakeComment, header.NewOnly, true);
            }
            break;
        }
        default:
            break;
        }
    }
    m_stakes.refresh(true, true);
}

} // namespace app
