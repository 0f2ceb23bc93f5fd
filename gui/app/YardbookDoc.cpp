#include "app/YardbookDoc.h"

#include "text/FileBytes.h"

namespace gridtally::gui {

CYardbookDoc::CYardbookDoc() = default;
CYardbookDoc::~CYardbookDoc() = default;

bool CYardbookDoc::OnOpenDocument(const QString& path, QString& error) {
    std::string bytes;
    std::string reason;
    if (!ReadFileBytes(path.toStdString(), bytes, reason)) {
        error = QString::fromLocal8Bit(reason.c_str());
        return false;
    }
    return LoadText(bytes, error);
}

bool CYardbookDoc::LoadText(std::string_view bytes, QString& error) {
    Load(bytes);
    if (!IsGameLog()) {
        error = QString::fromLatin1(kNotAGameLog.data(),
                                    static_cast<qsizetype>(kNotAGameLog.size()));
        return false;
    }
    // The lines as read, a sentence mark shown as the blank it stands for.
    QString text;
    text.reserve(static_cast<qsizetype>(sourceText.size()));
    for (const std::string& line : logLines) {
        text += QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
        text += QLatin1Char('\n');
    }
    logText_ = std::move(text);
    return true;
}

}  // namespace gridtally::gui
