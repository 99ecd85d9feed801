#include "engine/RunSink.h"

namespace engine {

int TickedList::selectedCount() {
    const int count = entryCount();
    int selected = 0;
    for (int i = 0; i < count; ++i)
        selected += entrySelected(i) ? 1 : 0;
    return selected;
}

void TickedList::startEntries() {
    m_count = entryCount();
    m_next = 0;
}

bool TickedList::nextEntry(Entry& entry) {
    while (m_next < m_count) {
        const int index = m_next++;
        if (entrySelected(index)) {
            entry = Entry{entryName(index), {}};
            return true;
        }
    }
    return false;
}

} // namespace engine
