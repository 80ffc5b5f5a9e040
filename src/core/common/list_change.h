#pragma once
// One change the user made to a list (the phone list or the dialing
// procedures), kept until it is saved, so that it can be applied again to
// the list another program wrote in the meantime.
#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

namespace tonvero {

enum class ChangeKind { kInsert, kEdit, kDelete };

template <class Item>
struct ListChange {
  ChangeKind kind;
  // Edit and delete: the item as it was. Insert: the item the new one
  // followed, where the order matters.
  Item before;
  // Insert and edit: the item as the user left it.
  Item after;
};

// Applies `change` again to `items` as read anew. An inserted item goes
// after the first item equal to its `before`, or at the end when there is
// none; an edited or deleted item is changed only where an item equal to its
// `before` is still there. The first `fixed` items are never edited or
// deleted (DEFAULT heads the procedures). False when the change could not be
// applied.
template <class Item>
bool ApplyAgain(std::vector<Item>& items, const ListChange<Item>& change, size_t fixed = 0) {
  const auto from = items.begin() + static_cast<std::ptrdiff_t>(std::min(fixed, items.size()));
  if (change.kind == ChangeKind::kInsert) {
    const auto follows = std::find(items.begin(), items.end(), change.before);
    items.insert(follows == items.end() ? items.end() : follows + 1, change.after);
    return true;
  }
  const auto found = std::find(from, items.end(), change.before);
  if (found == items.end()) return false;
  if (change.kind == ChangeKind::kEdit) *found = change.after;
  else items.erase(found);
  return true;
}

// The items `now` holds beyond those of `before` (each counted as often as
// it stands), as insertions after the item they follow in `now`: what a
// merge, which only inserts, changed.
template <class Item>
std::vector<ListChange<Item>> InsertionsSince(const std::vector<Item>& before, const std::vector<Item>& now) {
  std::vector<Item> unmatched = before;
  std::vector<ListChange<Item>> insertions;
  for (size_t i = 0; i < now.size(); ++i) {
    const auto found = std::find(unmatched.begin(), unmatched.end(), now[i]);
    if (found != unmatched.end()) {
      unmatched.erase(found);
      continue;
    }
    insertions.push_back({ChangeKind::kInsert, i > 0 ? now[i - 1] : Item{}, now[i]});
  }
  return insertions;
}

// The notice after a list was read again: `list` names it ("phone list"),
// `item` one entry of it ("record"); `lost` describes each change that could
// not be applied again.
std::string ReadAgainNotice(const std::string& list, const std::string& item,
                            const std::vector<std::string>& lost);

// How a change is named in that notice: "Edit of " and the item's text.
std::string DescribeChange(ChangeKind kind, const std::string& itemText);

}  // namespace tonvero
