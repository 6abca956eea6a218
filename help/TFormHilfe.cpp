#include "help/TFormHilfe.h"

#include "app/ErrorBox.h"
#include "app/SettingsFile.h"
#include "app/TFormA.h"
#include "app/WindowGeometry.h"
#include "help/HelpAddress.h"
#include "help/PlacedButton.h"
#include "session/Session.h"

#include <QPushButton>
#include <QTextBrowser>

TFormHilfe* FormHilfe = nullptr;

namespace {

const QString hilfe = QStringLiteral("Hilfe");

} // namespace

TFormHilfe::TFormHilfe()
{
    FormHilfe = this;
    setObjectName(QStringLiteral("FormHilfe"));
    setWindowTitle(QStringLiteral("Hilfe"));
    // System menu and maximise box, no minimise box; above the other windows.
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);

    B_Close = addPlacedButton(this, "B_Close", QStringLiteral("Close"), QRect(0, 0, 73, 25));
    B_Back = addPlacedButton(this, "B_Back", QStringLiteral("Back"), QRect(72, 0, 105, 25));
    B_Forward = addPlacedButton(this, "B_Forward", QStringLiteral("Forward"), QRect(176, 0, 105, 25));
    connect(B_Close, &QPushButton::clicked, this, [this] { ErrorBox::guard([this] { B_CloseClick(); }); });
    connect(B_Back, &QPushButton::clicked, this, [this] { ErrorBox::guard([this] { B_BackClick(); }); });
    connect(B_Forward, &QPushButton::clicked, this, [this] { ErrorBox::guard([this] { B_ForwardClick(); }); });

    WB1 = new QTextBrowser(this);
    WB1->setObjectName(QStringLiteral("WB1"));
    // Links out of the page (data sources, licences) go to the system's browser.
    WB1->setOpenExternalLinks(true);

    if (FormA)
        connect(FormA, &TFormA::helpRequested, this, [this] {
            ShowHelp(session->folders.dataFolder + QStringLiteral("Help/Corvane.htm"), QString());
        });
    ErrorBox::guard([this] { FormCreate(); });
}

void TFormHilfe::FormCreate()
{
    setGeometry(WindowGeometry::onScreen(session->IniFile->readInteger(hilfe, QStringLiteral("Links"), 100),
                                         session->IniFile->readInteger(hilfe, QStringLiteral("Top"), 75),
                                         session->IniFile->readInteger(hilfe, QStringLiteral("Breite"), 850),
                                         session->IniFile->readInteger(hilfe, QStringLiteral("Höhe"), 600)));
}

void TFormHilfe::FormResize()
{
    WB1->setGeometry(0, B_Close->height(), width(), height() - B_Close->height());
}

void TFormHilfe::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ErrorBox::guard([this] { FormResize(); });
}

void TFormHilfe::FormDestroy()
{
    const QRect bounds = geometry();
    session->IniFile->writeInteger(hilfe, QStringLiteral("Top"), bounds.top());
    session->IniFile->writeInteger(hilfe, QStringLiteral("Links"), bounds.left());
    session->IniFile->writeInteger(hilfe, QStringLiteral("Breite"), bounds.width());
    session->IniFile->writeInteger(hilfe, QStringLiteral("Höhe"), bounds.height());
}

void TFormHilfe::B_CloseClick()
{
    close();
}

// The browser does nothing when there is no page in that direction of its history.
void TFormHilfe::B_BackClick()
{
    WB1->backward();
}

void TFormHilfe::B_ForwardClick()
{
    WB1->forward();
}

void TFormHilfe::ShowHelp(const QString& page, const QString& anchor)
{
    show();
    raise();
    activateWindow();
    WB1->setFocus();
    FormResize();
    // Through the beam map section first, so that the final jump to the top of the page is a
    // move the browser always makes, also when the page is already shown.
    navigate(page, QStringLiteral("Beamkarte"));
    navigate(HelpAddress::trimBlanksAndControls(page), HelpAddress::trimBlanksAndControls(anchor));
}

void TFormHilfe::navigate(const QString& page, const QString& anchor)
{
    WB1->setSource(HelpAddress::toUrl(page, anchor, WB1->source()));
}
