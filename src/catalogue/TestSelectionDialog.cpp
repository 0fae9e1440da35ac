#include "TestSelectionDialog.h"

#include "Backdrop.h"
#include "CatalogueFiles.h"
#include "LevelTable.h"
#include "TitlePicture.h"
#include "platform/AnsiText.h"
#include "platform/DataRoot.h"
#include "platform/Errors.h"
#include "platform/Twips.h"
#include "platform/WaitCursor.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace examtrainer {

namespace {
constexpr uint32_t kWindowColour = 0x00FFC0C0;
} // namespace

TestSelectionDialog::TestSelectionDialog(ExamState& state, HostServices services,
                                         Backdrop& backdrop, GenerateTest generateTest,
                                         QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Tool), state_(state), services_(services),
      backdrop_(backdrop), generateTest_(std::move(generateTest)) {
    setObjectName(QStringLiteral("Dialog"));
    setWindowTitle(QStringLiteral("Test Selection"));
    setBackground(this, bgrColor(kWindowColour));
    buildControls();
}

void TestSelectionDialog::buildControls() {
    resize(twipsToPixels(5610), twipsToPixels(8535));
    centreOnScreen(this);

    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("Image1"));
    placeTwips(picture_, 240, 240, 5115, 2655);
    picture_->setScaledContents(true);
    picture_->setPixmap(drawTitlePicture(picture_->size() * 2));

    auto* informationLine = new QLabel(QStringLiteral("Exam Trainer"), this);
    informationLine->setObjectName(QStringLiteral("Label1"));
    placeTwips(informationLine, 240, 3120, 5115, 495);
    informationLine->setAlignment(Qt::AlignCenter);
    informationLine->setFont(designFont(QStringLiteral("Arial"), 20.25, true));
    setTextColour(informationLine, bgrColor(0x00C00000));

    auto* titleBlock = new QLabel(QStringLiteral("Pilot Licence\nTheory Examinations"), this);
    titleBlock->setObjectName(QStringLiteral("Text1"));
    placeTwips(titleBlock, 240, 3600, 5115, 855);
    titleBlock->setAlignment(Qt::AlignCenter);
    titleBlock->setFont(designFont(QStringLiteral("Arial"), 15.75, true));

    auto* informationLines =
        new QLabel(QStringLiteral("Air law, meteorology, navigation, radiotelephony and more.\n"
                                  "Pick a category and a test, then click OK."),
                   this);
    informationLines->setObjectName(QStringLiteral("Label2"));
    placeTwips(informationLines, 240, 4440, 5115, 495);
    informationLines->setAlignment(Qt::AlignCenter);
    informationLines->setFont(designFont(QStringLiteral("Arial"), 8.25));

    categoryCombo_ = new QComboBox(this);
    categoryCombo_->setObjectName(QStringLiteral("Combo1"));
    placeTwips(categoryCombo_, 840, 5040, 3975, 360);
    categoryCombo_->setFont(designFont(QStringLiteral("Arial"), 9.75));
    categoryCombo_->setPlaceholderText(QStringLiteral("Select a Category"));
    connect(categoryCombo_, &QComboBox::activated, this, &TestSelectionDialog::categoryPicked);

    testList_ = new QListWidget(this);
    testList_->setObjectName(QStringLiteral("List1"));
    placeTwips(testList_, 840, 5520, 3975, 2190);
    testList_->setFont(designFont(QStringLiteral("Arial"), 9.75));
    connect(testList_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        // The double-clicked test is the one confirmed, and the one generation reads as selected.
        testList_->setCurrentItem(item);
        confirmByDoubleClick();
    });

    endButton_ = new QPushButton(QStringLiteral("End"), this);
    endButton_->setObjectName(QStringLiteral("CancelButton"));
    placeTwips(endButton_, 840, 7920, 1095, 375);
    connect(endButton_, &QPushButton::clicked, this, &TestSelectionDialog::end);

    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    okButton_->setObjectName(QStringLiteral("OKButton"));
    placeTwips(okButton_, 3000, 7920, 1815, 375);
    connect(okButton_, &QPushButton::clicked, this, &TestSelectionDialog::confirmByOk);
}

bool TestSelectionDialog::load() {
    backdrop_.coverScreen();
    try {
        readCategoryList(state_);
    } catch (const DataError& error) {
        services_.messages->showMessage(
            QStringLiteral("The list of test categories could not be read, so the trainer "
                           "cannot start.\n\n%1\n\nC:\\Com\\ stands for the folder %2 (set "
                           "EXAMTRAINER_DATA_ROOT to use another).")
                .arg(fromAnsi(error.what()), dataRootFolder()));
        services_.messages->endProgram();
        return false;
    }
    listedCategories_.clear();
    categoryCombo_->clear();
    for (const Text& name : state_.categoryNames) {
        if (name.empty())
            break;
        listedCategories_.push_back(name);
        categoryCombo_->addItem(fromAnsi(name));
    }
    categoryCombo_->setCurrentIndex(-1);
    return true;
}

std::string TestSelectionDialog::selectedTestName() const {
    const int row = testList_->currentRow();
    const QListWidgetItem* item = testList_->currentItem();
    if (row < 0 || !item || !item->isSelected() || row >= static_cast<int>(listedTests_.size()))
        return {};
    return listedTests_[static_cast<std::size_t>(row)];
}

void TestSelectionDialog::categoryPicked(int index) {
    if (index < 0 || index >= static_cast<int>(listedCategories_.size()))
        return;
    const std::string& category = listedCategories_[static_cast<std::size_t>(index)];
    if (category == "Select primary area")
        return;
    try {
        readTestList(state_, category);
    } catch (const DataError&) {
        services_.messages->showMessage(
            QStringLiteral("There are no Tests entered for this Phase."));
        return;
    }
    testList_->clear();
    listedTests_.clear();
    for (const Text& name : state_.testNames) {
        if (name.empty())
            break;
        listedTests_.push_back(name);
        testList_->addItem(fromAnsi(name));
    }
}

void TestSelectionDialog::confirmByOk() {
    backdrop_.coverScreen();
    if (selectedTestName().empty()) {
        services_.messages->showMessage(QStringLiteral("Click a test before clicking OK."));
        return;
    }
    confirm();
}

void TestSelectionDialog::confirmByDoubleClick() {
    confirm();
}

void TestSelectionDialog::confirm() {
    const int categoryIndex = categoryCombo_->currentIndex();
    const std::string testName = selectedTestName();
    if (categoryIndex < 0 || testName.empty())
        return;
    const std::string category = listedCategories_[static_cast<std::size_t>(categoryIndex)];

    WaitCursor hourglass;
    try {
        const TestSettings settings = readTestSettings(category, testName);
        storeTestSettings(state_, settings);
        state_.categoryName = category;
        state_.allottedMinutes = allottedMinutesForConfirm(state_.levelCode);
        generateTest_(testName);
    } catch (const DataError&) {
        // The start screen stays open for another choice instead of retrying the same test.
        hourglass.restore();
        services_.messages->showMessage(
            QStringLiteral("A Test-set has not been prepared for this test!"));
    } catch (const QuestionShortage& shortage) {
        hourglass.restore();
        services_.messages->showMessage(QString::fromLatin1(shortage.what()));
        services_.messages->endProgram();
    }
}

void TestSelectionDialog::end() {
    services_.messages->endProgram();
}

} // namespace examtrainer
