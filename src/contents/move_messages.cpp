#include "contents/move_messages.h"

#include "contents/contents_texts.h"
#include "language/language.h"

namespace kistvar::contents {

namespace {

using language::text;
using T = language::Text;
using store::MoveResult;

std::string place_of(store::Cell cell) { return text(T::place, {{"tab", tab_name(cell.tab)}, {"place", std::to_string(cell.place)}}); }

std::string failure_reason(const store::MoveOutcome& outcome, std::string_view backups) {
    const std::string failed = outcome.result == MoveResult::write_failed
                                   ? text(T::move_write_failed_reason, {{"title", outcome.box}, {"reason", outcome.reason}})
                                   : text(T::move_read_back_reason, {{"title", outcome.box}});
    const std::string after = outcome.restored ? std::string(text(T::move_restored))
                                               : text(T::move_not_restored, {{"folder", backups}});
    return failed + "\r\n" + after;
}

std::string reason_of(const store::MoveOutcome& outcome, stash::Tab tab, std::string_view backups, bool undo) {
    switch (outcome.result) {
    case MoveResult::stale:
        return text(undo ? T::undo_stale_reason : T::move_stale_reason, {{"title", outcome.box}});
    case MoveResult::not_writable:
        return text(T::move_not_writable_reason, {{"title", outcome.box}, {"reason", problem_text(outcome.problem)}});
    case MoveResult::versions_differ: return std::string(text(T::move_versions_differ_reason));
    case MoveResult::no_item: return std::string(text(T::move_no_item_reason));
    case MoveResult::wrong_tab: return text(T::move_wrong_tab_reason, {{"tab", tab_name(tab)}});
    case MoveResult::tab_full: return text(T::move_tab_full_reason, {{"title", outcome.box}, {"tab", tab_name(tab)}});
    case MoveResult::write_failed:
    case MoveResult::read_back_differs: return failure_reason(outcome, backups);
    case MoveResult::moved:
    case MoveResult::backup_failed: break;
    }
    return {};
}

}  // namespace

std::string backup_failed_text(const store::Backup& backup) {
    return text(T::backup_failed, {{"title", backup.title}}) + "\r\n\r\n" +
           text(T::backup_failed_reason, {{"folder", backup.folder}, {"reason", backup.reason}});
}

std::string move_refusal_text(const store::MoveOutcome& outcome, std::string_view item, stash::Tab tab,
                              std::string_view backups, bool undo) {
    if (outcome.result == MoveResult::backup_failed) return backup_failed_text(outcome.backup);
    const std::string headline = undo ? std::string(text(T::undo_failed)) : text(T::move_failed, {{"item", item}});
    return headline + "\r\n\r\n" + reason_of(outcome, tab, backups, undo);
}

std::string moved_summary(const MovedItem& item, std::string_view from_box, store::Cell from,
                          const MovedItem* exchanged) {
    std::string summary = text(T::moved_summary, {{"item", item.name},
                                                  {"from", from_box},
                                                  {"from_place", place_of(from)},
                                                  {"to", item.box},
                                                  {"to_place", place_of(item.cell)}});
    if (exchanged)
        summary += text(T::exchanged_summary,
                        {{"item", exchanged->name}, {"box", exchanged->box}, {"place", place_of(exchanged->cell)}});
    return summary;
}

std::string undone_summary(const MovedItem& item) {
    return text(T::undone_summary, {{"item", item.name}, {"box", item.box}, {"place", place_of(item.cell)}});
}

}  // namespace kistvar::contents
