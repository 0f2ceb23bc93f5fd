#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "core/game/GameLog.h"
#include "gui/framework/Document.h"

namespace gridtally::gui {

// A game log opened in a window: the game read from the file, and the file's text as
// the log view shows it.
class CYardbookDoc : public GameLog, public Document {
public:
    CYardbookDoc();
    ~CYardbookDoc() override;

    // Reads the game; a file that cannot be read, or holds no game, is refused.
    bool OnOpenDocument(const QString& path, QString* error) override;
    // The same from the file's bytes; `error` says why a text is not a game log.
    bool LoadText(std::string_view bytes, QString* error);

    // The log's text, plain, each byte a Latin-1 character: what the log view shows.
    // A line longer than kLongestShownRow characters is shown in rows of that length.
    const QString& logText() const { return logText_; }
    static constexpr std::size_t kLongestShownRow = 4096;

private:
    QString logText_;
};

}  // namespace gridtally::gui
