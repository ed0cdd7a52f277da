#include "ui/dialogs/logview.h"

#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

#include "settings/window_lifecycle.h"
#include "ui/dialogs/dialog_fonts.h"

namespace vok {

TformLogViewer::TformLogViewer(RunLog& log, QWidget* parent)
    : FormWidget(parent), log_(log), memoLog_(new QPlainTextEdit), bitbtnClose_(new QPushButton) {
  setObjectName(QStringLiteral("formLogViewer"));
  setWindowTitle(QStringLiteral("Log Viewer"));

  QMenu* menuFile = menuBar()->addMenu(QStringLiteral("File(&F)"));
  menuFileClose_ = menuFile->addAction(QStringLiteral("Close(&C)"));
  menuFileClose_->setObjectName(QStringLiteral("menuFileClose"));
  connect(menuFileClose_, &QAction::triggered, this, &QWidget::close);

  memoLog_->setObjectName(QStringLiteral("memoLog"));
  memoLog_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  memoLog_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memoLog_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

  auto* panelBottom = new QWidget;
  panelBottom->setObjectName(QStringLiteral("panelBottom"));
  panelBottom->setFixedHeight(41);
  bitbtnClose_->setParent(panelBottom);
  bitbtnClose_->setObjectName(QStringLiteral("bitbtnClose"));
  bitbtnClose_->setText(QStringLiteral("Close(&C)"));
  bitbtnClose_->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
  bitbtnClose_->setFont(captionFont(true));
  bitbtnClose_->setGeometry(8, 8, 97, 25);
  connect(bitbtnClose_, &QPushButton::clicked, this, &QWidget::close);

  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(memoLog_, 1);
  layout->addWidget(panelBottom);
  setCentralWidget(central);

  statusBar()->setObjectName(QStringLiteral("StatusBar"));
  statusBar()->setFixedHeight(19);

  // The designed size and place, kept when a stored position exists.
  resize(544, 375);
  move(188, 100);

  for (const std::string& line : log_.lines()) lineAppended(line);
  log_.addListener(this);
}

TformLogViewer::~TformLogViewer() {
  log_.removeListener(this);
}

void TformLogViewer::FormCreate(SettingsStore& store) {
  logViewerFormCreate(store, *this);
}

void TformLogViewer::FormDestroy(SettingsStore& store) {
  logViewerFormDestroy(store, *this);
}

void TformLogViewer::lineAppended(const std::string& line) {
  const QString text = QString::fromStdString(line);
  if (keepsStartLine_ && memoLog_->document()->isEmpty()) {
    // appendPlainText would fill the empty first line instead of adding one after it.
    QTextCursor cursor(memoLog_->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock();
    cursor.insertText(text);
  } else {
    memoLog_->appendPlainText(text);
  }
  keepsStartLine_ = false;
  // A run lets events through only between files, so a line is drawn at once; lines that come
  // faster than a screen refresh share one drawing, which keeps a long log cheap.
  if (!isVisible()) return;
  if (!sinceDrawn_.isValid() || sinceDrawn_.elapsed() >= 16) {
    memoLog_->viewport()->repaint();
    sinceDrawn_.start();
  } else {
    memoLog_->viewport()->update();
  }
}

void TformLogViewer::logCleared() {
  memoLog_->clear();
  keepsStartLine_ = false;
}

}  // namespace vok
