#include "gui/app/AboutBox.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>

#include "gui/app/AppIcon.h"

namespace gridtally::gui {

const QString AboutBox::kVersionLine = QStringLiteral("Gridtally " GRIDTALLY_VERSION);

// One paragraph a line, so that the box wraps them to its width.
const QString AboutBox::kDisclaimer = QStringLiteral(
    "NO WARRANTY\r\n\r\n"
    "This program is provided \"as is\", without warranty of any kind, "
    "express or implied, including but not limited to the warranties of "
    "merchantability, fitness for a particular purpose and non-infringement. "
    "The whole risk as to the quality and performance of the program is with "
    "you. Should the program prove defective, you assume the cost of all "
    "necessary servicing, repair or correction.\r\n\r\n"
    "In no event, unless required by applicable law or agreed to in writing, "
    "will the authors or any other party who may modify or redistribute the "
    "program be liable to you for damages, including any general, special, "
    "incidental or consequential damages arising out of the use or inability "
    "to use the program (including but not limited to loss of data, data "
    "being rendered inaccurate, losses sustained by you or third parties, or "
    "a failure of the program to operate with any other programs), even if "
    "such holder or other party has been advised of the possibility of such "
    "damages.\r\n\r\n"
    "The statistics the program shows are read from the game logs that the "
    "football simulation writes. They are only as complete as those logs: a "
    "sentence the program does not recognise adds nothing, and a log written "
    "by a later version of the game may be read in part only. Check the "
    "figures that matter to you against the log itself, shown on the \"Log "
    "File Source\" page of every game.\r\n\r\n"
    "Play DB files are written whole each time they are saved, into a new "
    "file that replaces the old one only when all of it was written. Keep "
    "copies of the files you care about all the same: no program can promise "
    "that a disk, a network share or a power supply will not fail at the "
    "wrong moment.\r\n\r\n"
    "The names of clubs and players in the logs belong to whoever made them "
    "up.\r\n");

AboutBox::AboutBox(QWidget* parent) : QDialog(parent), terms_(new QPlainTextEdit) {
    setWindowTitle(tr("About Gridtally"));
    auto* icon = new QLabel;
    icon->setPixmap(AppIcon().pixmap(48, 48));
    auto* version = new QLabel(kVersionLine);
    terms_->setReadOnly(true);
    terms_->setPlainText(QString(kDisclaimer).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    terms_->setMinimumSize(420, 260);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, Qt::AlignTop);
    layout->addWidget(version, 0, 1, Qt::AlignVCenter);
    layout->addWidget(terms_, 1, 0, 1, 2);
    layout->addWidget(buttons, 2, 0, 1, 2, Qt::AlignHCenter);
    layout->setColumnStretch(1, 1);
}

}  // namespace gridtally::gui
