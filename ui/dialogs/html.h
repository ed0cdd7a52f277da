#pragma once

#include <QDialog>

#include "catalog/catalog_settings.h"
#include "settings/settings_store.h"
#include "settings/window_lifecycle.h"
#include "ui/dialogs/form_widget.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace vok {

class NumberField;

// The HTML settings dialog. Its controls hold the catalog settings: the catalog writer reads them
// through current() while a run goes on. Modeless; "Close(&X)" hides it.
class TformHTML : public FormWidget<HtmlFormModel, QDialog>, public CatalogSettingsSource {
 public:
  explicit TformHTML(QWidget* parent = nullptr);

  void FormCreate(SettingsStore& store) { htmlFormCreate(store, *this); }
  void FormDestroy(SettingsStore& store) { htmlFormDestroy(store, *this); }

  // Centred when created, so that a dialog never shown stores the place it would have had.
  void centreOnScreen() override;

  CatalogSettings catalogSettings() const override;
  void showCatalogSettings(const CatalogSettings& settings) override;
  CatalogSettings current() const override { return catalogSettings(); }

  // The controls, for the main window's tests and the dialog's own.
  QTabWidget* pagecontrolHTML;
  QLineEdit* editTitle;
  QLineEdit* editComment;
  QLabel* labelColumn;
  NumberField* spineditColumn;
  QLabel* labelRow;
  NumberField* spineditRow;
  QButtonGroup* radiogroupSingleMultiPage;
  QCheckBox* checkboxName;
  QCheckBox* checkboxFileSize;
  QCheckBox* checkboxPictureSize;
  QCheckBox* CheckBoxTimeStamp;
  QLineEdit* editIndexName;
  QLineEdit* editIndexExt;
  QLineEdit* editMaintainerName;
  QLineEdit* editMaintainerEmail;
  QCheckBox* checkboxDateTime;
  QCheckBox* CheckBoxNewPage;
  QLineEdit* editBODYOption;
  QPlainTextEdit* memoHEADBlock;
  QLineEdit* editTABLEOption;
  QPushButton* bitbtnExit;

 private:
  QWidget* basicTab();
  QWidget* expertTab();
  void selectPageMode(int item);
  void enableRowByPageMode();
};

}  // namespace vok
