#pragma once

class QCoreApplication;

// Qt's own texts (a field's menu: 元に戻す, 切り取り, コピー, 貼り付け…) in
// Japanese, whatever the desktop's language, as the rest of the window is:
// Qt's Japanese translation qtbase_ja.qm from Qt's translations folder, or,
// where Qt is shipped beside the program (Windows), from its translations
// folder. Without the file Qt's texts stay in English; nothing else changes.
// Whether the translation was found.
bool installQtJapanese(QCoreApplication &app);
