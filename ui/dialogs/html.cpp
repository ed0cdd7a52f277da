#include "ui/dialogs/html.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/dialogs/dialog_fonts.h"
#include "ui/dialogs/number_field.h"

namespace vok {
namespace {

template <typename T>
T* named(T* widget, const char* name) {
  widget->setObjectName(QLatin1String(name));
  return widget;
}

QLineEdit* lineEdit(const char* name) {
  return named(new QLineEdit, name);
}

QCheckBox* checkBox(const char* name, const char* caption) {
  return named(new QCheckBox(QLatin1String(caption)), name);
}

// A titled group around one or more widgets laid out in a row.
QGroupBox* group(const char* title, std::initializer_list<QWidget*> widgets) {
  auto* box = new QGroupBox(QLatin1String(title));
  auto* layout = new QHBoxLayout(box);
  for (QWidget* widget : widgets) layout->addWidget(widget);
  return box;
}

// Where an empty text is not allowed, the default comes back at once.
void keepNonEmpty(QLineEdit* edit, const QString& fallback) {
  QObject::connect(edit, &QLineEdit::textChanged, edit, [edit, fallback](const QString& text) {
    if (text.isEmpty()) edit->setText(fallback);
  });
}

QString toQt(const std::string& text) {
  return QString::fromStdString(text);
}
std::string fromQt(const QString& text) {
  return text.toStdString();
}

}  // namespace

TformHTML::TformHTML(QWidget* parent)
    : FormWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                             Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("formHTML"));
  setWindowTitle(QStringLiteral("HTML"));

  pagecontrolHTML = named(new QTabWidget, "pagecontrolHTML");
  pagecontrolHTML->addTab(basicTab(), QStringLiteral("Basic"));
  pagecontrolHTML->addTab(expertTab(), QStringLiteral("Expert"));
  pagecontrolHTML->setCurrentIndex(0);

  bitbtnExit = named(new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton),
                                     QStringLiteral("Close(&X)")),
                     "bitbtnExit");
  bitbtnExit->setAutoDefault(false);
  connect(bitbtnExit, &QPushButton::clicked, this, &QWidget::close);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pagecontrolHTML);
  layout->addWidget(bitbtnExit, 0, Qt::AlignRight);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  // The designed initial states; loading the settings replaces every one of them.
  spineditColumn->setText(QStringLiteral("1"));
  spineditRow->setText(QStringLiteral("1"));
  enableRowByPageMode();
}

QWidget* TformHTML::basicTab() {
  editTitle = lineEdit("editTitle");
  editComment = lineEdit("editComment");

  labelColumn = named(new QLabel(QStringLiteral("Column")), "labelColumn");
  spineditColumn = named(new NumberField(1, 99), "spineditColumn");
  labelRow = named(new QLabel(QStringLiteral("Row")), "labelRow");
  spineditRow = named(new NumberField(1, 99), "spineditRow");
  for (NumberField* field : {spineditColumn, spineditRow}) field->setMinimumWidth(56);
  auto* singlePage = named(new QRadioButton(QStringLiteral("Single Page")), "radioSinglePage");
  auto* multiPage = named(new QRadioButton(QStringLiteral("Multi Page")), "radioMultiPage");
  radiogroupSingleMultiPage = named(new QButtonGroup(this), "radiogroupSingleMultiPage");
  radiogroupSingleMultiPage->addButton(singlePage, 0);
  radiogroupSingleMultiPage->addButton(multiPage, 1);
  // Toggled, not clicked: arrow keys move the choice too.
  connect(radiogroupSingleMultiPage, &QButtonGroup::idToggled, this,
          [this] { enableRowByPageMode(); });
  auto* tableLayout = new QGroupBox(QStringLiteral("Table Layout"));
  auto* tableGrid = new QGridLayout(tableLayout);
  tableGrid->addWidget(labelColumn, 0, 0);
  tableGrid->addWidget(spineditColumn, 0, 1);
  tableGrid->addWidget(labelRow, 1, 0);
  tableGrid->addWidget(spineditRow, 1, 1);
  tableGrid->addWidget(singlePage, 0, 2);
  tableGrid->addWidget(multiPage, 1, 2);

  checkboxName = checkBox("checkboxName", "Name");
  checkboxFileSize = checkBox("checkboxFileSize", "File Size");
  checkboxPictureSize = checkBox("checkboxPictureSize", "Picture Size");
  CheckBoxTimeStamp = checkBox("CheckBoxTimeStamp", "Time Stamp");
  auto* information = new QGroupBox(QStringLiteral("JPEG Information"));
  auto* informationGrid = new QGridLayout(information);
  informationGrid->addWidget(checkboxName, 0, 0);
  informationGrid->addWidget(checkboxFileSize, 0, 1);
  informationGrid->addWidget(checkboxPictureSize, 1, 0);
  informationGrid->addWidget(CheckBoxTimeStamp, 1, 1);

  editIndexName = lineEdit("editIndexName");
  editIndexExt = lineEdit("editIndexExt");
  keepNonEmpty(editIndexName, QStringLiteral("index"));
  keepNonEmpty(editIndexExt, QStringLiteral("html"));
  editMaintainerName = lineEdit("editMaintainerName");
  editMaintainerEmail = lineEdit("editMaintainerEmail");
  checkboxDateTime = checkBox("checkboxDateTime", "Date and Time");
  CheckBoxNewPage = checkBox("CheckBoxNewPage", "Display in  new page");

  auto* tab = named(new QWidget, "tabsheetBasic");
  auto* grid = new QGridLayout(tab);
  grid->addWidget(group("Title", {editTitle}), 0, 0, 1, 2);
  grid->addWidget(group("Comment", {editComment}), 1, 0, 1, 2);
  grid->addWidget(tableLayout, 2, 0);
  grid->addWidget(information, 2, 1);
  grid->addWidget(
      group("HTML File Name", {editIndexName, new QLabel(QStringLiteral(".")), editIndexExt}), 3,
      0);
  grid->addWidget(group(" Maintainer Name ", {editMaintainerName}), 3, 1);
  grid->addWidget(group(" Maintainer E-mail", {editMaintainerEmail}), 4, 1);
  auto* switches = new QVBoxLayout;
  switches->addWidget(checkboxDateTime);
  switches->addWidget(CheckBoxNewPage);
  grid->addLayout(switches, 4, 0);
  return tab;
}

QWidget* TformHTML::expertTab() {
  editBODYOption = lineEdit("editBODYOption");
  memoHEADBlock = named(new QPlainTextEdit, "memoHEADBlock");
  editTABLEOption = lineEdit("editTABLEOption");
  auto* tab = named(new QWidget, "tabsheetExpert");
  auto* layout = new QVBoxLayout(tab);
  layout->addWidget(group(" <BODY> Option ", {editBODYOption}));
  layout->addWidget(group(" Additional Markups in <HEAD></HEAD> block ", {memoHEADBlock}), 1);
  layout->addWidget(group(" <TABLE> Option ", {editTABLEOption}));
  return tab;
}

void TformHTML::centreOnScreen() {
  adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

CatalogSettings TformHTML::catalogSettings() const {
  CatalogSettings s;
  s.Title = fromQt(editTitle->text());
  s.Comment = fromQt(editComment->text());
  s.Column = fromQt(spineditColumn->text());
  s.Row = fromQt(spineditRow->text());
  s.IndexName = fromQt(editIndexName->text());
  s.IndexExt = fromQt(editIndexExt->text());
  s.MaintainerName = fromQt(editMaintainerName->text());
  s.MaintainerEmail = fromQt(editMaintainerEmail->text());
  s.BODYOption = fromQt(editBODYOption->text());
  s.TABLEOption = fromQt(editTABLEOption->text());
  // The stored block separates its lines by CR LF.
  s.HEADBlock = fromQt(memoHEADBlock->toPlainText().replace(u'\n', QStringLiteral("\r\n")));
  s.SingleMultiPage = radiogroupSingleMultiPage->checkedId();
  s.NameInfo = checkboxName->isChecked();
  s.FileSizeInfo = checkboxFileSize->isChecked();
  s.PictureSizeInfo = checkboxPictureSize->isChecked();
  s.DateAndTime = checkboxDateTime->isChecked();
  s.TimeStamp = CheckBoxTimeStamp->isChecked();
  s.DisplayInNewPage = CheckBoxNewPage->isChecked();
  return s;
}

void TformHTML::showCatalogSettings(const CatalogSettings& s) {
  editTitle->setText(toQt(s.Title));
  editComment->setText(toQt(s.Comment));
  spineditColumn->setText(toQt(s.Column));
  spineditRow->setText(toQt(s.Row));
  editIndexName->setText(toQt(s.IndexName));
  editIndexExt->setText(toQt(s.IndexExt));
  editMaintainerName->setText(toQt(s.MaintainerName));
  editMaintainerEmail->setText(toQt(s.MaintainerEmail));
  editBODYOption->setText(toQt(s.BODYOption));
  editTABLEOption->setText(toQt(s.TABLEOption));
  QStringList lines;
  for (const std::string& line : headBlockLines(s.HEADBlock)) lines << toQt(line);
  memoHEADBlock->setPlainText(lines.join(u'\n'));
  selectPageMode(s.SingleMultiPage < 0 ? -1 : std::min(s.SingleMultiPage, 1));
  checkboxName->setChecked(s.NameInfo);
  checkboxFileSize->setChecked(s.FileSizeInfo);
  checkboxPictureSize->setChecked(s.PictureSizeInfo);
  checkboxDateTime->setChecked(s.DateAndTime);
  CheckBoxTimeStamp->setChecked(s.TimeStamp);
  CheckBoxNewPage->setChecked(s.DisplayInNewPage);
  update();
  enableRowByPageMode();
}

void TformHTML::selectPageMode(int item) {
  if (QAbstractButton* button = radiogroupSingleMultiPage->button(item)) {
    button->setChecked(true);
    return;
  }
  // No item: an exclusive group cannot be unticked directly.
  radiogroupSingleMultiPage->setExclusive(false);
  for (QAbstractButton* button : radiogroupSingleMultiPage->buttons()) button->setChecked(false);
  radiogroupSingleMultiPage->setExclusive(true);
}

void TformHTML::enableRowByPageMode() {
  const bool multiPage = radiogroupSingleMultiPage->checkedId() == 1;
  labelRow->setEnabled(multiPage);
  spineditRow->setEnabled(multiPage);
}

}  // namespace vok
