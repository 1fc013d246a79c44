// The forms the program shows, one Ui call each. Each form model is a plain core class (its
// fields are what the widgets show, its methods the events); the Qt form only binds to it.
// Adding a form: declare its class here and add one X(...) line; every Ui implementation picks
// it up through the list.
#pragma once

namespace kv9 {

class DimensionsForm;
class QualityForm;
class MeasurementForm;
class StressForm;
class TextsForm;
class CadSettingsForm;
class PlotSettingsForm;
class MessageDescriptionForm;
class ChangeRecordForm;
class DrawingInfoForm;
class DocumentSetupForm;
class OverviewForm;
class HelpPictureBrowser;
class ConfigForm;
class SelectColorForm;
class PrintoutForm;
class TableBrowser;

#define KV9_UI_FORMS(X)                             \
  X(DimensionsForm, dimensionsForm)                 \
  X(QualityForm, qualityForm)                       \
  X(MeasurementForm, measurementForm)               \
  X(StressForm, stressForm)                         \
  X(TextsForm, textsForm)                           \
  X(CadSettingsForm, cadSettingsForm)               \
  X(PlotSettingsForm, plotSettingsForm)             \
  X(MessageDescriptionForm, messageDescriptionForm) \
  X(ChangeRecordForm, changeRecordForm)             \
  X(DrawingInfoForm, drawingInfoForm)               \
  X(DocumentSetupForm, documentSetupForm)           \
  X(OverviewForm, overviewForm)                     \
  X(HelpPictureBrowser, helpPictureBrowser)         \
  X(ConfigForm, configForm)                         \
  X(SelectColorForm, selectColorForm)               \
  X(PrintoutForm, printoutForm)                     \
  X(TableBrowser, tableBrowserForm)

}  // namespace kv9
