#include "app/YardbookApp.h"

#include <QApplication>
#include <QTextStream>

#include "app/LogView.h"
#include "app/MainFrm.h"
#include "app/TabFrame.h"
#include "app/YardbookDoc.h"
#include "framework/DocTemplate.h"
#include "framework/Printing.h"

namespace gridtally::gui {
namespace {

std::unique_ptr<DocTemplate> MakeLogDocTemplate() {
    return std::make_unique<DocTemplate>(
        CYardbookApp::kLogResource, CYardbookApp::kLogDocStrings,
        [] { return std::make_unique<CYardbookDoc>(); },
        [](const CreateContext&) { return std::make_unique<CTabFrame>(); });
}

}  // namespace

const QString CYardbookApp::kLogDocStrings = QStringLiteral(
    "Gridtally\n\nTurflog\nYardbk Files (*.log)\n.log\nYardbook.Document\nTurflog Document");

CYardbookApp::CYardbookApp() {
    OnCommand(command::kFilePrintSetup, [this] { PrinterSetup(ProgramPrinter(), mainFrame_.get()); });
    OnCommand(command::kAppExit, [this] { mainFrame_->close(); });
}

CYardbookApp::~CYardbookApp() = default;

bool CYardbookApp::InitInstance(const QStringList& files) {
    mainFrame_ = std::make_unique<CMainFrame>();
    logDocTemplate = &mainFrame_->AddDocTemplate(MakeLogDocTemplate());
    mainFrame_->SetApplicationTarget(this);
    mainFrame_->BuildMenus();
    mainFrame_->show();
    for (const QString& file : files) mainFrame_->OpenDocumentFile(file);
    return true;
}

int PrintGameToPdf(const QString& logPath, const QString& pdfPath) {
    QTextStream err(stderr);
    QString error;
    std::unique_ptr<DocTemplate> logTemplate = MakeLogDocTemplate();
    std::unique_ptr<ChildFrame> frame = logTemplate->OpenDocumentFile(logPath, error);
    auto* game = dynamic_cast<CTabFrame*>(frame.get());
    if (!game || !game->logView) {
        err << "gridtally: cannot open " << logPath << ": " << error << '\n';
        return 1;
    }
    if (!PrintViewToPdf(*game->logView, pdfPath, &error)) {
        err << "gridtally: " << error << '\n';
        return 1;
    }
    return 0;
}

}  // namespace gridtally::gui
