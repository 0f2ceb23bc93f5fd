#include "gui/app/YardbookDoc.h"

#include <QFile>

#include "core/text/FileBytes.h"
#include "gui/framework/ParserMessages.h"

namespace gridtally::gui {

CYardbookDoc::CYardbookDoc() { diagnostics = &ParserMessages(); }
CYardbookDoc::~CYardbookDoc() = default;

bool CYardbookDoc::OnOpenDocument(const QString& path, QString* error) {
    std::string bytes;
    std::string reason;
    if (!ReadFileBytes(QFile::encodeName(path).toStdString(), bytes, &reason)) {
        if (error) *error = QString::fromLocal8Bit(reason.c_str());
        return false;
    }
    return LoadText(bytes, error);
}

bool CYardbookDoc::LoadText(std::string_view bytes, QString* error) {
    Load(bytes);
    if (!IsGameLog()) {
        if (error) {
            std::string_view reason = NotAGameLogReason();
            *error = QString::fromLatin1(reason.data(), static_cast<qsizetype>(reason.size()));
        }
        return false;
    }
    // The lines as read, a sentence mark shown as the blank it stands for.
    QString text;
    text.reserve(static_cast<qsizetype>(sourceText.size()));
    for (std::string_view line : logLines) {
        // A line of the game is some 80 characters. One of megabytes, in a broken or
        // hostile file, would make the text view lay it out whole (minutes, gigabytes),
        // so it is shown in rows of kLongestShownRow.
        do {
            std::string_view row = line.substr(0, kLongestShownRow);
            text += QString::fromLatin1(row.data(), static_cast<qsizetype>(row.size()));
            text += QLatin1Char('\n');
            line.remove_prefix(row.size());
        } while (!line.empty());
    }
    logText_ = std::move(text);
    return true;
}

}  // namespace gridtally::gui
