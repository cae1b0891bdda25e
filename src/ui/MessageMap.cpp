// Message map lookup along the chain of base-class tables.
#include "ui/MessageMap.h"

namespace pf {

const MessageEntry* MessageMap::Find(int id, Notify code) const {
  for (const MessageMap* map = this; map != nullptr; map = map->base_) {
    for (std::size_t i = 0; i < map->count_; ++i) {
      const MessageEntry& entry = map->entries_[i];
      if (entry.id == id && entry.code == code) return &entry;
    }
  }
  return nullptr;
}

}  // namespace pf
