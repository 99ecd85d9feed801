#pragma once

#include "engine/BatchRun.h"

#include <QDialog>

class QListWidget;
class QPlainTextEdit;

namespace wizard {

// What a run would do, before it is made: each selected page with the outcome a
// dry run gives it, and beside the list the change to the page in focus as a
// unified diff. Keyboard first: the list has the focus; Enter or Escape closes.
class PreviewDialog final : public QDialog {
    Q_OBJECT

public:
    PreviewDialog(const engine::Result<engine::BatchResult>& run, const QString& mainCaption,
                  QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QListWidget* m_pages;
    QPlainTextEdit* m_diff;
};

} // namespace wizard
