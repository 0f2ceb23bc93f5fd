#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "gui/framework/TabWindow.h"

class QMdiSubWindow;

namespace gridtally::gui {

class ChildFrame;
class Document;

// One document type: its strings, and how its document, frame and first view are made.
class DocTemplate {
public:
    // The seven newline-separated strings of a document type.
    struct Strings {
        QString windowTitle, docName, fileNewName, filterName, filterExt, regFileTypeId,
            regFileTypeName;
    };
    static Strings ParseStrings(const QString& text);

    using DocumentFactory = std::function<std::unique_ptr<Document>()>;
    // Makes the frame of a document; the frame builds its views from the context.
    using FrameFactory = std::function<std::unique_ptr<ChildFrame>(const CreateContext& context)>;

    DocTemplate(int resourceId, const QString& strings, DocumentFactory document,
                FrameFactory frame);

    int resourceId() const { return resourceId_; }
    const Strings& strings() const { return strings_; }
    // "Name (*.ext)", its entry in the open dialog's filters; empty without an extension.
    QString FilterEntry() const;
    bool MatchesExtension(const QString& path) const;
    // Whether its documents are read from folders (a season of logs).
    bool opensFolders() const { return opensFolders_; }
    void SetOpensFolders(bool folders) { opensFolders_ = folders; }

    // A new document with its frame: empty when `path` is empty, else read from it.
    // Returns the frame, which owns the document, or nullptr (with `error`) when the
    // document or its frame could not be made; nothing is left behind then.
    std::unique_ptr<ChildFrame> OpenDocumentFile(const QString& path, QString* error) const;

private:
    int resourceId_;
    Strings strings_;
    DocumentFactory makeDocument_;
    FrameFactory makeFrame_;
    bool opensFolders_ = false;
};

}  // namespace gridtally::gui
