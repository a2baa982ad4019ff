#include "framework/SearchScreen.h"

#include "data/Messages.h"
#include "framework/Controls.h"
#include "framework/ItemListModel.h"
#include "framework/modInputHelpers.h"
#include "rules/Twips.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

constexpr PictureSpec kSearchButton[] = {{"Picture1", "search", "Search", "Search Dr Details .. "}};

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

} // namespace

std::vector<GridColumn> columnsInTableOrder(const QStringList& headings) {
    std::vector<GridColumn> columns;
    for (int c = 0; c < headings.size(); ++c)
        columns.push_back({headings[c], 0, c});
    return columns;
}

SearchScreen::SearchScreen(ScreenInfo info, NameSearch wanted)
    : MenuScreen(std::move(info)), search_(std::move(wanted)) {
    auto* row = new QHBoxLayout;
    row->setSpacing(10);
    auto* label = new QLabel(search_.nameLabel, this);
    names_ = editableCombo(search_.nameList, this);
    useItemList(names_);
    names_->setMinimumWidth(260);
    label->setBuddy(names_);
    Picture11 = helpIcon("Picture11", search_.nameTip, this);
    row->addStretch(1);
    row->addWidget(label);
    row->addWidget(names_);
    row->addWidget(Picture11);
    row->addSpacing(12);
    searchButton_ = PictureRow(kSearchButton, row, this);
    Picture1 = searchButton_.button(0);
    row->addStretch(1);
    body()->addLayout(row);

    const bool transposed = search_.layout == DetailLayout::Transposed;
    MSFlexGrid1 = new FlexGrid("MSFlexGrid1", transposed ? 0 : 1, this);
    MSFlexGrid1->setSelectionMode(QAbstractItemView::NoSelection);
    if (transposed) {
        MSFlexGrid1->setRows(static_cast<int>(search_.columns.size()));
        for (int r = 0; r < MSFlexGrid1->Rows(); ++r)
            MSFlexGrid1->setTextMatrix(r, 0, search_.columns[static_cast<size_t>(r)].heading);
        MSFlexGrid1->setColWidthTwips(0, search_.headingWidthTwips);
        MSFlexGrid1->setColWidthTwips(1, search_.valueWidthTwips);
    } else {
        setUpColumns(MSFlexGrid1, search_.columns);
    }
    body()->addWidget(MSFlexGrid1, 1);

    attachAutoComplete(names_, false);
    new EnterRuns(names_, [this] { search(); });
    connect(Picture1, &PictureButton::clicked, this, &SearchScreen::search);
    // Tab goes from the name straight to the search; the help icon comes after it.
    setTabOrder(names_, Picture1);
}

void SearchScreen::setPictures() {
    searchButton_.setUp(this);
}

bool SearchScreen::openSets() {
    return OpenWorkingSet(rs_, search_.query, Recordset::Mode::Snapshot);
}

void SearchScreen::showRows() {
    withRows(rs_, [this] {
        // One name per row, in the rows' order: the list position is the row's.
        itemListOf(names_)->setItems(rs_.ColumnTexts(search_.nameColumn));
        names_->setCurrentIndex(-1);
        names_->clearEditText();
    });
    // The screen may open in a window that is already active, which hands out no focus of its own.
    names_->setFocus();
}

void SearchScreen::search() {
    const QString name = names_->currentText();
    if (name.isEmpty()) {
        MsgBox(MsgIcon::None, MsgButtons::Ok, AppTitle, search_.emptyText);
        names_->setFocus();
        return;
    }
    const QString wanted = name.trimmed();
    Trapped(TrapWording::DescriptionOnly, [&] {
        const QStringList& names = itemListOf(names_)->list().items();
        const qsizetype at = search_.lastMatch ? names.lastIndexOf(wanted) : names.indexOf(wanted);
        if (at < 0 || at >= rs_.RecordCount()) {
            MsgBox(MsgIcon::Critical, MsgButtons::Ok, "Warning", search_.notFoundText);
            return;
        }
        rs_.MoveTo(static_cast<int>(at));
        showCurrent();
    });
}

void SearchScreen::showCurrent() {
    const auto& columns = search_.columns;
    if (search_.layout == DetailLayout::Rows) {
        for (int c = 0; c < MSFlexGrid1->Cols(); ++c)
            MSFlexGrid1->setTextMatrix(1, c, rs_.FieldText(columns[static_cast<size_t>(c)].tableColumn));
        return;
    }
    MSFlexGrid1->setUpdatesEnabled(false);
    for (int r = 0; r < MSFlexGrid1->Rows(); ++r) {
        MSFlexGrid1->setTextMatrix(r, 1, rs_.FieldText(columns[static_cast<size_t>(r)].tableColumn));
        for (int c = 0; c < 2; ++c)
            modResizeFlexGrid(MSFlexGrid1, r, c);
    }
    MSFlexGrid1->setUpdatesEnabled(true);
    MSFlexGrid1->setFixedWidth(toPixels(MSFlexGrid1->columnsWidthTwips() + 1000));
}
