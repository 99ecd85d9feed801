#include "wizard/PreviewDialog.h"

#include "engine/ReportText.h"
#include "platform/Twips.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace wizard {

using platform::twipsRect;

PreviewDialog::PreviewDialog(const engine::Result<engine::BatchResult>& run, const QString& mainCaption,
                             QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Preview - ") + mainCaption);
    setFixedSize(twipsRect(0, 0, 11400, 6300).size());
    setFont(platform::dialogFont());

    m_pages = new QListWidget(this);
    m_pages->setObjectName(QStringLiteral("List3"));
    m_pages->setAccessibleName(QStringLiteral("What a run would do"));
    m_pages->setGeometry(twipsRect(120, 120, 4335, 5535));
    m_pages->setTextElideMode(Qt::ElideMiddle);
    m_pages->setUniformItemSizes(true);
    m_diff = new QPlainTextEdit(this);
    m_diff->setObjectName(QStringLiteral("Text3"));
    m_diff->setAccessibleName(QStringLiteral("Change to the page"));
    m_diff->setGeometry(twipsRect(4575, 120, 6705, 5535));
    m_diff->setReadOnly(true);
    m_diff->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_diff->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("Command6"));
    close->setGeometry(twipsRect(10305, 5790, 975, 315));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    const std::vector<engine::PageResult> none;
    for (const engine::PageResult& page : run ? run->pages : none) {
        const engine::Outcome outcome = page.reported();
        const bool changes = outcome == engine::Outcome::Inserted || outcome == engine::Outcome::Replaced ||
                             outcome == engine::Outcome::Removed;
        QString line = QString::fromLatin1(changes ? "would be " : "") +
                       QString::fromLatin1(engine::outcomeWord(outcome)) + QStringLiteral("  ") +
                       QString::fromStdString(engine::reportText(page.path));
        if (!page.reason().empty())
            line += QStringLiteral(": ") + QString::fromStdString(engine::reportText(page.reason()));
        auto* item = new QListWidgetItem(line, m_pages);
        item->setToolTip(line);
        item->setData(Qt::UserRole, QString::fromUtf8(page.diff.data(), qsizetype(page.diff.size())));
    }
    if (!run)
        new QListWidgetItem(QString::fromStdString(run.reason()), m_pages);
    connect(m_pages, &QListWidget::currentRowChanged, this, [this](int row) {
        const QListWidgetItem* item = m_pages->item(row);
        const QString diff = item ? item->data(Qt::UserRole).toString() : QString();
        m_diff->setPlainText(diff.isEmpty() ? QStringLiteral("(this page would not change)") : diff);
    });
    m_pages->setCurrentRow(0);
    m_pages->setFocus();
}

void PreviewDialog::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event); // Escape rejects, which closes as well
}

} // namespace wizard
