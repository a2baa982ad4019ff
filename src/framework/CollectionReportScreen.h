#pragma once

#include "framework/PictureButton.h"
#include "framework/Screens.h"
#include "rules/CollectionReport.h"

#include <QStringList>
#include <functional>

class DatePicker;
class QCheckBox;
class QLineEdit;
class QTreeWidget;

// What tells one collection report from another: its window and its report.
struct CollectionReportRow {
    ScreenInfo info;
    CollectionReportSpec spec;
};

// The collection report every report screen is: one date (or two), the ECG and SCAN boxes where the report
// has modes, Picture1 generating the list and its total from the rows of that day or range, Picture2 printing
// exactly that list, and Picture3 saving it as a CSV file.
class CollectionReportScreen : public MenuScreen {
    Q_OBJECT
public:
    void generate();
    void print();
    void exportList();

    // The file the list is saved to, chosen by the operator (tests answer for the chooser); an empty answer
    // saves nothing.
    using SaveFileChooser = std::function<QString(QWidget* parent, const QString& proposed)>;
    static void setSaveFileChooser(SaveFileChooser chooser);

protected:
    explicit CollectionReportScreen(CollectionReportRow row);
    void setPictures() override;
    bool openSets() override;
    void showRows() override;

    DatePicker* DTPicker1;
    DatePicker* DTPicker2 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QTreeWidget* List;
    QLineEdit* txtTotal;
    PictureButton* Picture1;
    PictureButton* Picture2;
    PictureButton* Picture3;
    PictureButton* Picture11;
    PictureButton* Picture12;

private:
    ReportMode mode() const;

    CollectionReportRow row_;
    PictureRow buttons_;
    Cents runningTotal_ = 0;
};
