#include "framework/CollectionReportScreen.h"

#include "data/Environment.h"
#include "data/modConnectDB.h"
#include "framework/Controls.h"
#include "framework/DatePicker.h"
#include "framework/modInputHelpers.h"
#include "printing/ReportLayout.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSaveFile>
#include <QTreeWidget>

namespace {
constexpr PictureSpec kButtons[] = {{"Picture1", "gen", "Generate", "Generate"},
                                    {"Picture2", "print", "Print", "Print"},
                                    {"Picture3", "export", "Export", "Save the list as a CSV file"}};

CollectionReportScreen::SaveFileChooser& chooser() {
    static CollectionReportScreen::SaveFileChooser c;
    return c;
}

} // namespace

void CollectionReportScreen::setSaveFileChooser(SaveFileChooser c) {
    chooser() = std::move(c);
}

CollectionReportScreen::CollectionReportScreen(CollectionReportRow row)
    : MenuScreen(row.info), row_(std::move(row)) {
    auto* top = new QHBoxLayout;
    DTPicker1 = new DatePicker("DTPicker1", this);
    top->addWidget(fieldLabel("Date", DTPicker1, this));
    top->addWidget(DTPicker1);
    if (row_.spec.range) {
        DTPicker2 = new DatePicker("DTPicker2", this);
        top->addWidget(fieldLabel("to", DTPicker2, this));
        top->addWidget(DTPicker2);
    }
    top->addStretch(1);
    if (!row_.spec.ecgColumn.isEmpty()) {
        CheckBox1 = new QCheckBox("ECG", this);
        CheckBox1->setObjectName("CheckBox1");
        CheckBox2 = new QCheckBox("SCAN", this);
        CheckBox2->setObjectName("CheckBox2");
        top->addWidget(CheckBox1);
        top->addWidget(CheckBox2);
    }
    body()->addLayout(top);

    List = new QTreeWidget(this);
    List->setObjectName("List");
    List->setAccessibleName("Report lines");
    List->setColumnCount(static_cast<int>(row_.spec.headings.size()));
    List->setHeaderLabels(row_.spec.headings);
    List->setRootIsDecorated(false);
    List->header()->setStretchLastSection(false);
    List->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    List->setColumnWidth(0, 60);
    for (int c = 2; c < List->columnCount(); ++c)
        List->headerItem()->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    body()->addWidget(List, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    buttons_ = PictureRow(kButtons, bottom, this);
    Picture1 = buttons_.button(0);
    Picture2 = buttons_.button(1);
    Picture3 = buttons_.button(2);
    Picture11 = helpIcon("Picture11", "Click this Button to Generate the Bill", this);
    Picture12 = helpIcon("Picture12", "Print the Bill", this);
    bottom->insertWidget(2, Picture11);
    bottom->insertWidget(4, Picture12);
    bottom->addStretch(1);
    txtTotal = textBox("txtTotal", this);
    txtTotal->setReadOnly(true);
    txtTotal->setAlignment(Qt::AlignRight);
    txtTotal->setMaximumWidth(160);
    bottom->addWidget(fieldLabel("Total", txtTotal, this));
    bottom->addWidget(txtTotal);
    body()->addLayout(bottom);

    for (DatePicker* picker : {DTPicker1, DTPicker2})
        if (picker) attachFutureDateRefusal(picker, MsgIcon::Critical, "Warning", row_.spec.futureDate);
    connect(Picture1, &PictureButton::clicked, this, &CollectionReportScreen::generate);
    connect(Picture2, &PictureButton::clicked, this, &CollectionReportScreen::print);
    connect(Picture3, &PictureButton::clicked, this, &CollectionReportScreen::exportList);
}

void CollectionReportScreen::setPictures() {
    buttons_.setUp(this);
}

bool CollectionReportScreen::openSets() {
    // Only whether the table holds a row of the report's kind is asked: the rows are read when generated.
    bool empty = false;
    if (!Trapped(TrapWording::ErrorColon, [&] { empty = !collectionHasRows(row_.spec, DbConnection); }))
        return false;
    if (empty && !row_.spec.emptyTable.isEmpty()) {
        MsgBox(MsgIcon::Critical, MsgButtons::Ok, "Warning", row_.spec.emptyTable);
        return false;
    }
    return true;
}

void CollectionReportScreen::showRows() {
    // Tab goes from the dates and boxes to the pictures, then to the list.
    std::vector<QWidget*> chain{DTPicker1};
    for (QWidget* w : std::initializer_list<QWidget*>{DTPicker2, CheckBox1, CheckBox2})
        if (w) chain.push_back(w);
    chain.insert(chain.end(), {Picture1, Picture2, Picture3, List});
    for (size_t i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
    DTPicker1->setFocus();
}

ReportMode CollectionReportScreen::mode() const {
    if (!CheckBox1) return ReportMode::Plain;
    if (CheckBox1->isChecked()) return ReportMode::Ecg;
    return CheckBox2->isChecked() ? ReportMode::Scan : ReportMode::Plain;
}

void CollectionReportScreen::generate() {
    const QDate from = DTPicker1->date();
    const QDate to = DTPicker2 ? DTPicker2->date() : from;
    if (DTPicker2 && from > to) {
        // The list generated before stays.
        MsgBox(MsgIcon::Critical, MsgButtons::Ok, "Warning",
               "Please select Correct Date ! It must be lessthan Second Date");
        return;
    }
    Trapped(TrapWording::DescriptionOnly, [&] {
        const CollectionReport report = generateCollection(row_.spec, mode(), from, to, DbConnection);
        List->clear();
        for (const ReportLine& line : report.lines) {
            QStringList cells{line.serial, line.description};
            if (!row_.spec.billNumberColumn.isEmpty()) cells << line.billNumber;
            cells << line.amount;
            auto* item = new QTreeWidgetItem(List, cells);
            for (int c = 2; c < static_cast<int>(cells.size()); ++c)
                item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        }
        runningTotal_ = report.total;
        txtTotal->setText(formatCents(report.total));
    });
}

void CollectionReportScreen::print() {
    // The title follows the boxes as they are now, the date line the pickers as they are now.
    const int m = static_cast<int>(mode());
    const QString title = row_.spec.titles.value(m, row_.spec.titles.value(0));
    const QDate from = DTPicker1->date();
    ReportLayout layout =
        !row_.spec.billNumberColumn.isEmpty() ? ReportLayout::cancelled(title, from)
        : DTPicker2 ? ReportLayout::period(title, from, DTPicker2->date(), row_.spec.descriptionHeading)
                    : ReportLayout::daily(title, from, row_.spec.descriptionHeading);
    printReport(reportLinesOf(*List), layout, static_cast<double>(runningTotal_) / 100.0);
}

void CollectionReportScreen::exportList() {
    const std::vector<ReportLine> lines = reportLinesOf(*List);
    if (lines.empty()) {
        MsgBox(MsgIcon::Critical, MsgButtons::Ok, "Warning", "Please Generate Correct Report");
        return;
    }
    // A name saying which report and which day, in the operator's home folder.
    const QString day = DTPicker1->date().toString("yyyy-MM-dd") +
                        (DTPicker2 ? "-to-" + DTPicker2->date().toString("yyyy-MM-dd") : QString());
    const QString proposed = QDir::home().filePath(info().objectName.mid(3) + "-" + day + ".csv");
    const QString file =
        chooser() ? chooser()(this, proposed)
                  : QFileDialog::getSaveFileName(this, "Save the report", proposed, "CSV files (*.csv)");
    if (file.isEmpty()) return;
    QStringList headings;
    for (int c = 0; c < List->columnCount(); ++c)
        headings << List->headerItem()->text(c);
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(reportCsv(headings, lines, runningTotal_)) < 0 ||
        !out.commit()) {
        MsgBox(MsgIcon::Critical, MsgButtons::Ok, AppTitle,
               "The report could not be saved in " + file + ": " + out.errorString());
        return;
    }
    MsgBox(MsgIcon::Information, MsgButtons::Ok, AppTitle, "The report is saved in " + file);
}
