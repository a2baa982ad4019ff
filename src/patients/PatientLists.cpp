#include "patients/PatientLists.h"

#include "data/Messages.h"
#include "data/modConnectDB.h"
#include "framework/Chrome.h"
#include "framework/RecordScreen.h"
#include "framework/modInputHelpers.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

void setUpGrid(FlexGrid* grid, const std::vector<PatientColumn>& columns) {
    grid->setCols(static_cast<int>(columns.size()));
    for (int c = 0; c < grid->Cols(); ++c) {
        grid->setTextMatrix(0, c, columns[static_cast<size_t>(c)].header);
        grid->setColWidthTwips(c, columns[static_cast<size_t>(c)].widthTwips);
    }
}

// Fills a screen from its rows; an empty table answers "No Record Found". Failures show their description.
void withRows(Recordset& rs, const std::function<void()>& fill) {
    Trapped(TrapWording::DescriptionOnly, [&] {
        if (rs.RecordCount() == 0)
            MsgBox(MsgIcon::Exclamation, MsgButtons::Ok, "No Record Warning", "No Record Found");
        else
            fill();
    });
}

// Enter in a name list runs `action`; in the open list the completed name is taken first.
class EnterRuns : public QObject {
public:
    EnterRuns(QComboBox* list, std::function<void()> action)
        : QObject(list), list_(list), action_(std::move(action)) {
        // Installed after the type-ahead, so it sees Enter first, also in the list part.
        for (QObject* part : {static_cast<QObject*>(list), static_cast<QObject*>(list->lineEdit()),
                              static_cast<QObject*>(list->view())})
            part->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return false;
        const auto* k = static_cast<QKeyEvent*>(e);
        if ((k->key() != Qt::Key_Return && k->key() != Qt::Key_Enter) ||
            (k->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        if (list_->view()->isVisible()) list_->hidePopup();
        action_();
        return true;
    }

private:
    QComboBox* list_;
    std::function<void()> action_;
};

// Twips the body's margins take beside a grid.
int sideMarginsTwips() {
    return toTwips(36 + 4);
}

} // namespace

PatientListScreen::PatientListScreen(const QString& objectName, const QString& caption, const QString& query,
                                     std::vector<PatientColumn> columns)
    : ListScreen(objectName), caption_(caption), query_(query), columns_(std::move(columns)) {
    MSFlexGrid1 = new FlexGrid("MSFlexGrid1", 1, this);
    body()->addWidget(MSFlexGrid1);
}

bool PatientListScreen::load() {
    setUpGrid(MSFlexGrid1, columns_);
    const int gridTwips = MSFlexGrid1->columnsWidthTwips() + 350;
    dress(caption_, 6300, gridTwips + sideMarginsTwips());
    if (!OpenWorkingSet(rs_, query_, Recordset::Mode::Grid)) return false;
    withRows(rs_, [this] {
        MSFlexGrid1->setRows(rs_.RecordCount() + 1);
        int row = 1;
        for (rs_.MoveFirst(); !rs_.AtEOF(); rs_.MoveNext(), ++row) {
            for (int c = 0; c < MSFlexGrid1->Cols(); ++c) {
                const int column = columns_[static_cast<size_t>(c)].tableColumn;
                MSFlexGrid1->setTextMatrix(
                    row, c, column == RunningNumber ? QString::number(row) : rs_.FieldText(column));
            }
        }
        MSFlexGrid1->setCurrentItem(nullptr);
    });
    return true;
}

PatientSearchScreen::PatientSearchScreen(const QString& objectName, const QString& caption, int heightTwips,
                                         int widthTwips, const QString& query,
                                         std::vector<PatientColumn> columns)
    : MenuScreen(objectName), caption_(caption), heightTwips_(heightTwips), widthTwips_(widthTwips),
      query_(query), columns_(std::move(columns)) {
    auto* row = new QHBoxLayout;
    row->setSpacing(10);
    auto* label = new QLabel("Patient Name", this);
    cmbEmpName = new QComboBox(this);
    cmbEmpName->setObjectName("cmbEmpName");
    cmbEmpName->setEditable(true);
    cmbEmpName->setInsertPolicy(QComboBox::NoInsert);
    cmbEmpName->setMinimumWidth(260);
    label->setBuddy(cmbEmpName);
    Picture11 = helpIcon("Picture11", "Select One Patient Name From List .. ", this);
    Picture1 = new PictureButton("Picture1", "search", this);
    row->addStretch(1);
    row->addWidget(label);
    row->addWidget(cmbEmpName);
    row->addWidget(Picture11);
    row->addSpacing(12);
    row->addWidget(Picture1);
    row->addStretch(1);
    body()->addLayout(row);
    MSFlexGrid1 = new FlexGrid("MSFlexGrid1", 1, this);
    MSFlexGrid1->setSelectionMode(QAbstractItemView::NoSelection);
    body()->addWidget(MSFlexGrid1, 1);

    attachAutoComplete(cmbEmpName, false);
    new EnterRuns(cmbEmpName, [this] { search(); });
    connect(Picture1, &PictureButton::clicked, this, &PatientSearchScreen::search);
    // Tab goes from the name straight to the search; the help icon comes after it.
    setTabOrder(cmbEmpName, Picture1);
}

bool PatientSearchScreen::load() {
    enterScreen();
    dress(caption_, heightTwips_, widthTwips_);
    Picture1->setNormalImage();
    modTrimPictureBox(Picture1);
    modToolTip(Picture1, "Search Dr Details .. ", this);
    setUpGrid(MSFlexGrid1, columns_);
    if (!OpenWorkingSet(rs_, query_, Recordset::Mode::Snapshot)) return false;
    withRows(rs_, [this] {
        for (rs_.MoveFirst(); !rs_.AtEOF(); rs_.MoveNext())
            cmbEmpName->addItem(rs_.FieldText(1));
        cmbEmpName->setCurrentIndex(-1);
        cmbEmpName->clearEditText();
    });
    // The screen may open in a window that is already active, which hands out no focus of its own.
    cmbEmpName->setFocus();
    return true;
}

void PatientSearchScreen::search() {
    const QString name = cmbEmpName->currentText();
    if (name.isEmpty()) {
        MsgBox(MsgIcon::None, MsgButtons::Ok, AppTitle, "Please select the Employee Name");
        cmbEmpName->setFocus();
        return;
    }
    const QString wanted = name.trimmed();
    Trapped(TrapWording::DescriptionOnly, [&] {
        bool found = false;
        if (rs_.RecordCount() > 0) {
            for (rs_.MoveFirst(); !rs_.AtEOF(); rs_.MoveNext()) {
                if (rs_.FieldText(1) != wanted) continue;
                found = true;
                for (int c = 0; c < MSFlexGrid1->Cols(); ++c)
                    MSFlexGrid1->setTextMatrix(1, c,
                                               rs_.FieldText(columns_[static_cast<size_t>(c)].tableColumn));
            }
        }
        if (!found) MsgBox(MsgIcon::Critical, MsgButtons::Ok, "Warning", "Employee Name Not Found");
    });
}
