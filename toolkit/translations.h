#pragma once

class QCoreApplication;

namespace toolkit {

// Makes Qt's own texts (file dialogs, message boxes, the print dialog) speak
// Spanish, from the translations the system installs with Qt. Call it after
// the application object is made and before any window opens. False when
// the system has none; the texts then stay in English.
bool loadSpanishQtTexts(QCoreApplication& app);

} // namespace toolkit
