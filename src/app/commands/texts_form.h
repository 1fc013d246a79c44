// The text dialog through the Ui, on the model in model/texts_form.h.
#pragma once

namespace kv9 {

class Session;

// True and the data set's texts replaced on OK; false with the abort flag set on Cancel.
bool ShowTextsForm(Session& s);

}  // namespace kv9
