#pragma once

#include "files/IgnoreRules.h"

#include <QAbstractListModel>
#include <QByteArray>
#include <QIcon>
#include <QList>
#include <QString>

namespace wizard {

// The page list's entries with their ticks and marks, held in one place so that
// the selection commands act on every entry at once, however many there are.
class PageListModel final : public QAbstractListModel {
    Q_OBJECT

public:
    // What a page already carries, as a mark beside its name.
    enum class Mark { None, Code, Repeated, Tangled };
    static constexpr int RawNameRole = Qt::UserRole;

    using QAbstractListModel::QAbstractListModel;

    // Fills the list with the names (as the file system holds them) of the folder;
    // those its ignore rules leave out are greyed, with the reason as tool tip, and
    // cannot be ticked.
    void reset(const QString& folder, const QList<QByteArray>& names, const files::IgnoreRules& rules);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    QByteArray rawName(int row) const { return m_entries.at(row).raw; }
    bool ticked(int row) const { return m_entries.at(row).ticked; }
    int tickedCount() const { return m_ticked; }

    // The selection commands: every entry ticked or unticked; the web pages only.
    void tickAll(bool ticked);
    void tickPagesOnly();
    // Marks the entry and says what it carries (for its tool tip and screen readers).
    void setMark(int row, Mark mark, const QString& says);

Q_SIGNALS:
    void tickedCountChanged(int ticked);

private:
    struct Entry {
        QByteArray raw;
        QString shown;
        QString path; // the whole path, for the tool tip
        bool ticked = false;
        Mark mark = Mark::None;
        QString says;
        QString excluded; // why the ignore rules leave it out
    };
    void changedAll();

    QList<Entry> m_entries;
    int m_ticked = 0;
};

} // namespace wizard
