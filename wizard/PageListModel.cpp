#include "wizard/PageListModel.h"

#include "engine/BatchRun.h"
#include "engine/PageRewriter.h"
#include "engine/ReportText.h"
#include "files/FolderListing.h"
#include "files/Names.h"

#include <QFile>
#include <QPainter>

namespace wizard {

namespace {

// The marks, and a blank of their size: every entry has room for one from the
// start, so that marking one does not lay the whole list out again.
QIcon markIcon(PageListModel::Mark mark) {
    const auto draw = [](const std::function<void(QPainter&)>& paint) {
        QPixmap pixmap(32, 32);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        paint(painter);
        painter.end();
        return QIcon(pixmap);
    };
    static const QIcon blank = draw([](QPainter&) {});
    // A green tick in a disc: this program's block.
    static const QIcon code = draw([](QPainter& painter) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x1f, 0x7a, 0x3c));
        painter.drawEllipse(QRectF(4, 4, 24, 24));
        painter.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(QPolygonF({QPointF(10, 16.5), QPointF(14.5, 21), QPointF(22, 11.5)}));
    });
    // Two green discs, one behind the other: the code more than once.
    static const QIcon repeated = draw([](QPainter& painter) {
        painter.setPen(QPen(Qt::white, 1.5));
        painter.setBrush(QColor(0x1f, 0x7a, 0x3c));
        painter.drawEllipse(QRectF(2, 2, 19, 19));
        painter.drawEllipse(QRectF(11, 11, 19, 19));
        painter.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(QPolygonF({QPointF(15.5, 21), QPointF(19, 24.5), QPointF(25, 17)}));
    });
    // An amber triangle with "!": markers that form no block.
    static const QIcon tangled = draw([](QPainter& painter) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xb3, 0x6b, 0x00));
        painter.drawPolygon(QPolygonF({QPointF(16, 3), QPointF(29, 27), QPointF(3, 27)}));
        painter.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(16, 11), QPointF(16, 18));
        painter.drawPoint(QPointF(16, 23));
    });
    switch (mark) {
    case PageListModel::Mark::Code:
        return code;
    case PageListModel::Mark::Repeated:
        return repeated;
    case PageListModel::Mark::Tangled:
        return tangled;
    case PageListModel::Mark::None:
        break;
    }
    return blank;
}

} // namespace

void PageListModel::reset(const QString& folder, const QList<QByteArray>& names,
                          const files::IgnoreRules& rules) {
    beginResetModel();
    m_entries.clear();
    m_entries.reserve(names.size());
    const std::string base = files::encodeName(folder).toStdString();
    for (const QByteArray& name : names) {
        m_entries.append(
            Entry{name,
                  files::shownName(name),
                  QString::fromStdString(engine::reportText(engine::joinPath(base, name.toStdString()))),
                  false,
                  Mark::None,
                  {},
                  rules.excluded(name).value_or(QString())});
    }
    m_ticked = 0;
    endResetModel();
    Q_EMIT tickedCountChanged(0);
}

int PageListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_entries.size());
}

QVariant PageListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_entries.size())
        return {};
    const Entry& entry = m_entries.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return entry.shown;
    case Qt::ToolTipRole:
        if (!entry.excluded.isEmpty())
            return QString(entry.path + QLatin1Char('\n') + entry.excluded);
        return entry.says.isEmpty() ? entry.path : entry.path + QLatin1Char('\n') + entry.says;
    case Qt::CheckStateRole:
        return entry.ticked ? Qt::Checked : Qt::Unchecked;
    case Qt::DecorationRole:
        return markIcon(entry.mark);
    case Qt::AccessibleDescriptionRole:
        if (!entry.excluded.isEmpty())
            return entry.excluded;
        return entry.says.isEmpty() ? QVariant() : QVariant(entry.says);
    case RawNameRole:
        return entry.raw;
    default:
        return {};
    }
}

bool PageListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::CheckStateRole)
        return false;
    Entry& entry = m_entries[index.row()];
    const bool ticked = value.toInt() == Qt::Checked && entry.excluded.isEmpty();
    if (entry.ticked != ticked) {
        entry.ticked = ticked;
        m_ticked += ticked ? 1 : -1;
        Q_EMIT dataChanged(index, index, {Qt::CheckStateRole});
        Q_EMIT tickedCountChanged(m_ticked);
    }
    return true;
}

Qt::ItemFlags PageListModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    // An entry left out is shown greyed, and its tick cannot be set.
    return m_entries.at(index.row()).excluded.isEmpty() ? Qt::ItemIsEnabled | Qt::ItemIsUserCheckable
                                                        : Qt::ItemIsUserCheckable;
}

void PageListModel::tickAll(bool ticked) {
    m_ticked = 0;
    for (Entry& entry : m_entries) {
        entry.ticked = ticked && entry.excluded.isEmpty();
        m_ticked += entry.ticked ? 1 : 0;
    }
    changedAll();
}

void PageListModel::tickPagesOnly() {
    m_ticked = 0;
    for (Entry& entry : m_entries) {
        entry.ticked = entry.excluded.isEmpty() && engine::hasPageExtension(entry.raw.toStdString());
        m_ticked += entry.ticked ? 1 : 0;
    }
    changedAll();
}

void PageListModel::setMark(int row, Mark mark, const QString& says) {
    if (row < 0 || row >= m_entries.size())
        return;
    m_entries[row].mark = mark;
    m_entries[row].says = says;
    const QModelIndex at = index(row);
    Q_EMIT dataChanged(at, at, {Qt::DecorationRole, Qt::ToolTipRole, Qt::AccessibleDescriptionRole});
}

void PageListModel::changedAll() {
    if (!m_entries.isEmpty())
        Q_EMIT dataChanged(index(0), index(static_cast<int>(m_entries.size()) - 1), {Qt::CheckStateRole});
    Q_EMIT tickedCountChanged(m_ticked);
}

} // namespace wizard
