// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotor/RotorSetupWindow.h"

#include "platform/DdeNames.h"
#include "platform/Registry.h"
#include "platform/RegistryKeys.h"

#include "widgets/CloseOnEscape.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusReply>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTimer>
#include <QVBoxLayout>

#include <csignal>
#include <utility>

namespace {

constexpr int programTimeout = 20000;  // ms a check or registration may take: a serial timeout or two

QLineEdit* field(const QString& name, const QString& placeholder = QString())
{
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setPlaceholderText(placeholder);
    return edit;
}

// The caption of a row whose field is a layout: the form makes no buddy for it by itself.
QLabel* buddyLabel(const QString& caption, QWidget* buddy)
{
    auto* label = new QLabel(caption);
    label->setBuddy(buddy);
    return label;
}

} // namespace

QString RotorSetupWindow::registeredProgram()
{
    const QString program = Registry::readString(RegistryKeys::Rotor::company, RegistryKeys::Rotor::program);
    return program.isEmpty() ? QCoreApplication::applicationDirPath() + QStringLiteral("/CorvaneRotor") : program;
}

RotorSetupWindow::RotorSetupWindow(QString rotorProgram, QWidget* parent)
    : QWidget(parent, Qt::Window), rotorProgram_(std::move(rotorProgram)),
      search_(field(QStringLiteral("Suche"), tr("Hersteller oder Modell"))), modelList_(new QListWidget),
      device_(field(QStringLiteral("Geraet"), tr("/dev/ttyUSB0 oder localhost:4533"))), serialSpeed_(new QComboBox),
      minAzimuth_(field(QStringLiteral("LinkesEnde"), tr("wie der Rotor"))),
      maxAzimuth_(field(QStringLiteral("RechtesEnde"), tr("wie der Rotor"))),
      rotctld_(field(QStringLiteral("Rotctld"), tr("aus, z. B. 4533"))),
      web_(field(QStringLiteral("Web"), tr("aus, z. B. 8765"))),
      pst_(field(QStringLiteral("Pst"), QStringLiteral("127.0.0.1:12000"))),
      n1mm_(field(QStringLiteral("N1mm"), QStringLiteral("127.0.0.1:12040"))),
      parkAzimuth_(field(QStringLiteral("ParkAzimut"), tr("die des Rotors"))),
      parkElevation_(field(QStringLiteral("ParkElevation"), QStringLiteral("0"))),
      deadBand_(field(QStringLiteral("Totzone"), QStringLiteral("2"))),
      leastInterval_(field(QStringLiteral("Mindestabstand"), QStringLiteral("1000"))),
      checkButton_(new QPushButton(tr("&Prüfen"))), applyButton_(new QPushButton(tr("Ü&bernehmen"))),
      answer_(new QPlainTextEdit)
{
    setWindowTitle(tr("Rotor einrichten"));
    closeOnEscape(this);
    modelList_->setObjectName(QStringLiteral("Modelle"));
    serialSpeed_->setObjectName(QStringLiteral("Geschwindigkeit"));
    serialSpeed_->setEditable(true);
    serialSpeed_->addItems({QString(), QStringLiteral("1200"), QStringLiteral("2400"), QStringLiteral("4800"),
                            QStringLiteral("9600"), QStringLiteral("19200"), QStringLiteral("38400"),
                            QStringLiteral("57600"), QStringLiteral("115200")});
    answer_->setObjectName(QStringLiteral("Antwort"));
    answer_->setReadOnly(true);
    answer_->setMaximumBlockCount(200);

    auto* rotator = new QGroupBox(QStringLiteral("Rotor"));
    auto* rotatorForm = new QFormLayout(rotator);
    rotatorForm->addRow(tr("&Suche:"), search_);
    rotatorForm->addRow(tr("&Modell:"), modelList_);
    rotatorForm->addRow(tr("&Gerät oder host:port:"), device_);
    rotatorForm->addRow(tr("Serielle Gesch&windigkeit (Baud):"), serialSpeed_);
    auto* travel = new QHBoxLayout;
    travel->addWidget(minAzimuth_);
    travel->addWidget(new QLabel(tr("bis")));
    travel->addWidget(maxAzimuth_);
    rotatorForm->addRow(buddyLabel(tr("&Drehbereich (Grad):"), minAzimuth_), travel);

    auto* clients = new QGroupBox(tr("Andere Programme und Bewegung"));
    auto* clientForm = new QFormLayout(clients);
    clientForm->addRow(tr("rotctld-Ser&ver ([Adresse:]Port):"), rotctld_);
    clientForm->addRow(tr("W&ebseite ([Adresse:]Port):"), web_);
    clientForm->addRow(tr("Pst&Rotator-UDP ([Adresse:]Port oder aus):"), pst_);
    clientForm->addRow(tr("N1MM-&UDP ([Adresse:]Port oder aus):"), n1mm_);
    auto* park = new QHBoxLayout;
    park->addWidget(parkAzimuth_);
    park->addWidget(new QLabel(QStringLiteral("Elevation")));
    park->addWidget(parkElevation_);
    clientForm->addRow(buddyLabel(tr("P&arkposition Azimut (Grad):"), parkAzimuth_), park);
    clientForm->addRow(tr("&Totzone (Grad):"), deadBand_);
    clientForm->addRow(tr("Mindestabstand der Befe&hle (ms):"), leastInterval_);

    auto* closeButton = new QPushButton(tr("S&chließen"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(checkButton_);
    buttons->addWidget(applyButton_);
    buttons->addStretch();
    buttons->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rotator);
    layout->addWidget(clients);
    layout->addLayout(buttons);
    layout->addWidget(answer_);

    connect(search_, &QLineEdit::textChanged, this, &RotorSetupWindow::showModels);
    connect(checkButton_, &QPushButton::clicked, this, &RotorSetupWindow::check);
    connect(applyButton_, &QPushButton::clicked, this, &RotorSetupWindow::apply);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(&process_, &QProcess::finished, this, &RotorSetupWindow::ended);
    connect(&process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            answer_->setPlainText(tr("Das Rotorprogramm %1 lässt sich nicht starten.").arg(rotorProgram_));
            checkButton_->setEnabled(true);
            applyButton_->setEnabled(true);
            emit finished(false);
        }
    });
}

void RotorSetupWindow::open()
{
    // Hamlib's list does not change while the program runs: asked once, until it has answered.
    if (models_.empty()) {
        QProcess list;
        list.start(rotorProgram_, {QStringLiteral("--list-models")});
        if (list.waitForFinished(programTimeout))
            models_ = RotorSetup::parseModels(QString::fromUtf8(list.readAllStandardOutput()));
    }
    fill(RotorSetup::registered());
    answer_->setPlainText(models_.empty() ? tr("Das Rotorprogramm %1 nennt keine Rotormodelle.").arg(rotorProgram_)
                                          : QString());
    show();
    raise();
    activateWindow();
    search_->setFocus();
}

void RotorSetupWindow::fill(const RotorSetup& setup)
{
    shown_ = setup;
    device_->setText(setup.device);
    serialSpeed_->setCurrentText(setup.serialSpeed);
    minAzimuth_->setText(setup.minAzimuth);
    maxAzimuth_->setText(setup.maxAzimuth);
    // A port switched off is stored as "aus"; the field says it in the user's language, and the
    // rotor program takes either word.
    const auto port = [this](const QString& stored) { return stored == QLatin1String("aus") ? tr("aus") : stored; };
    rotctld_->setText(port(setup.rotctld));
    web_->setText(port(setup.web));
    pst_->setText(port(setup.pst));
    n1mm_->setText(port(setup.n1mm));
    parkAzimuth_->setText(setup.parkAzimuth);
    parkElevation_->setText(setup.parkElevation);
    deadBand_->setText(setup.deadBand);
    leastInterval_->setText(setup.leastInterval);
    search_->clear();
    showModels();
}

void RotorSetupWindow::showModels()
{
    // Keeps the chosen model chosen while the search narrows the list, when it is still in it.
    const QString chosen = modelList_->currentItem() ? modelList_->currentItem()->data(Qt::UserRole).toString() : shown_.model;
    modelList_->clear();
    for (const RotorSetup::Model& model : RotorSetup::matching(models_, search_->text())) {
        auto* item = new QListWidgetItem(model.text(), modelList_);
        item->setData(Qt::UserRole, QString::number(model.number));
        if (item->data(Qt::UserRole).toString() == chosen)
            modelList_->setCurrentItem(item);
    }
    if (!modelList_->currentItem() && modelList_->count() > 0)
        modelList_->setCurrentRow(0);
}

RotorSetup RotorSetupWindow::edited() const
{
    RotorSetup setup = shown_;
    if (modelList_->currentItem())
        setup.model = modelList_->currentItem()->data(Qt::UserRole).toString();
    setup.device = device_->text();
    setup.serialSpeed = serialSpeed_->currentText();
    setup.minAzimuth = minAzimuth_->text();
    setup.maxAzimuth = maxAzimuth_->text();
    setup.rotctld = rotctld_->text();
    setup.web = web_->text();
    setup.pst = pst_->text();
    setup.n1mm = n1mm_->text();
    setup.parkAzimuth = parkAzimuth_->text();
    setup.parkElevation = parkElevation_->text();
    setup.deadBand = deadBand_->text();
    setup.leastInterval = leastInterval_->text();
    return setup;
}

void RotorSetupWindow::check()
{
    run(QStringLiteral("--check"));
}

void RotorSetupWindow::apply()
{
    run(QStringLiteral("--register"));
}

void RotorSetupWindow::run(const QString& action)
{
    if (busy())
        return;
    action_ = action;
    checkButton_->setEnabled(false);
    applyButton_->setEnabled(false);
    answer_->setPlainText(action == QLatin1String("--check") ? tr("Der Rotor wird geöffnet …")
                                                             : tr("Wird eingetragen …"));
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.start(rotorProgram_, QStringList{action} + edited().arguments());
    // A serial device that never answers must not keep the window waiting forever.
    QTimer::singleShot(programTimeout, &process_, [this] {
        if (busy())
            process_.kill();
    });
}

void RotorSetupWindow::ended(int exitCode, QProcess::ExitStatus status)
{
    const bool succeeded = status == QProcess::NormalExit && exitCode == 0;
    QString text = QString::fromUtf8(process_.readAll()).trimmed();
    text.remove(QStringLiteral("CorvaneRotor: "));
    if (status != QProcess::NormalExit)
        text += tr("\nDas Rotorprogramm hat nicht rechtzeitig geantwortet. Nichts eingetragen.");
    if (succeeded && action_ == QLatin1String("--register")) {
        text += tr("\nDas Rotorprogramm wird mit den neuen Einstellungen neu gestartet.");
        shown_ = RotorSetup::registered();
        endRunningRotorProgram();
    }
    answer_->setPlainText(text);
    answer_->moveCursor(QTextCursor::End);  // the verdict is the last line
    checkButton_->setEnabled(true);
    applyButton_->setEnabled(true);
    action_.clear();
    emit finished(succeeded);
}

void RotorSetupWindow::endRunningRotorProgram() const
{
    // The running one may be another build than the one just registered: its bus name is that of
    // its own file name, which both share.
    QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    if (!bus)
        return;
    const QString name = DdeNames::busName(DdeNames::programService(rotorProgram_));
    const QDBusReply<uint> pid = bus->servicePid(name);
    if (pid.isValid() && pid.value() > 0)
        ::kill(pid_t(pid.value()), SIGTERM);
}

QString RotorSetupWindow::answer() const
{
    return answer_->toPlainText();
}

