#include "ResultsWindow.h"

#include "Grading.h"
#include "platform/AnsiText.h"
#include "platform/ClickableLabel.h"
#include "platform/DataRoot.h"
#include "platform/Errors.h"
#include "platform/FieldReader.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QPushButton>

namespace examtrainer {

namespace {

constexpr int kRows = 27;

std::string areaPath(const std::string& bank, int16_t questionNumber) {
    return std::string(kDataRoot) + "Refs\\" + bank + "Ref\\Q" + std::to_string(questionNumber) +
           "\\Area.txt";
}

// The dialog font of the design's platform, for headings and cells the design leaves unnamed.
QFont dialogFont() {
    return designFont(QStringLiteral("Arial"), 8.25);
}

// A cell of the results table: a single-line box. Cells that take no clicks are disabled, yet
// their text stays as readable as the rest: the candidate is reading a result.
template <typename Label>
Label* cell(QWidget* parent, const QString& name, int left, int row, int width,
            const QString& text = QString()) {
    auto* label = new Label(parent);
    label->setObjectName(name);
    label->setText(text);
    placeTwips(label, left, 960 + 240 * row, width, 255);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setFont(dialogFont());
    label->setStyleSheet(QStringLiteral("QLabel { background: white; color: black; border: 1px "
                                        "solid #a0a0a0; padding-left: 1px; }"));
    return label;
}

} // namespace

ResultsWindow::ResultsWindow(ExamState& state, HostServices services, ResultsWindowHost& host,
                             QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Tool), state_(state), services_(services),
      host_(host) {
    setObjectName(QStringLiteral("Form2"));
    buildControls();

    state_.screenWidthTwips = services_.screen->widthTwips();
    placeDesignWindow(this, 12000, 9000, state_.screenWidthTwips);
}

void ResultsWindow::buildControls() {
    auto label = [this](const char* name, const QString& text, QRect twips, double points,
                        bool bold) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        placeTwips(l, twips.x(), twips.y(), twips.width(), twips.height());
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->setFont(points > 0 ? designFont(QStringLiteral("Arial"), points, bold) : dialogFont());
        return l;
    };
    QLabel* caption = label("Label16",
                            QStringLiteral("Click on an area of knowledge to gain background "
                                           "information on the question."),
                            {480, 360, 11055, 375}, 12, true);
    caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextColour(caption, bgrColor(0x00FF0000));
    label("Label5", QStringLiteral("No."), {600, 720, 375, 255}, 0, false);
    label("Label6", QStringLiteral("Area of Knowledge "), {3600, 720, 2055, 255}, 0, false);
    label("Label7", QStringLiteral("Topic"), {8040, 720, 735, 255}, 0, false);
    label("Label8", QStringLiteral("Result"), {9480, 720, 855, 255}, 0, false);
    label("Label15", QStringLiteral("Ques Bank No."), {10440, 720, 1095, 255}, 0, false);

    for (int r = 0; r < kRows; ++r) {
        numbers_[r] = cell<QLabel>(this, QStringLiteral("Text2(%1)").arg(r), 480, r, 495,
                                   QStringLiteral("    %1").arg(r + 1));
        numbers_[r]->setEnabled(false);
        areas_[r] = cell<ClickableLabel>(this, QStringLiteral("Text1(%1)").arg(r), 960, r, 6495);
        areas_[r]->setCursor(Qt::PointingHandCursor);
        connect(areas_[r], &ClickableLabel::clicked, this,
                [this, r] { host_.openQuestionReview(r); });
        connect(areas_[r], &ClickableLabel::doubleClicked, this,
                [this] { host_.bringReviewToFront(); });
        const int lefts[] = {7440, 9240, 10440};
        const int widths[] = {1815, 1215, 975};
        for (int column = 0; column < 3; ++column) {
            const int index = column * kRows + r;
            cells_[index] = cell<QLabel>(this, QStringLiteral("Text3(%1)").arg(index),
                                         lefts[column], r, widths[column]);
            cells_[index]->setEnabled(false);
        }
    }

    marks_ = label("Label9", QStringLiteral("48"), {600, 7800, 375, 375}, 14.25, false);
    label("Label10", QStringLiteral("Marks out of a posible"), {1080, 7800, 2895, 375}, 14.25,
          false);
    total_ = label("Label11", QStringLiteral("50"), {4080, 7800, 495, 375}, 14.25, false);
    percentage_ = label("Label12", QStringLiteral("99"), {4680, 7800, 495, 495}, 14.25, false);
    label("Label14", QStringLiteral("%"), {5160, 7800, 375, 495}, 14.25, false);
    verdict_ = label("Label13", QStringLiteral("Passed"), {5640, 7800, 1575, 495}, 14.25, false);

    auto button = [this](const char* name, const QString& text, QRect twips, double points,
                         bool bold) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        placeTwips(b, twips.x(), twips.y(), twips.width(), twips.height());
        b->setFont(designFont(QStringLiteral("Arial"), points, bold));
        b->setCursor(Qt::PointingHandCursor);
        return b;
    };
    print_ = button("Command1", QStringLiteral("Print "), {7440, 7680, 1095, 495}, 15.75, false);
    next_ = button("Command3", QStringLiteral("Next Page"), {8760, 7680, 1215, 495}, 9.75, true);
    first_ = button("Command4", QStringLiteral("First Page"), {8760, 7680, 1215, 495}, 9.75, true);
    first_->setCursor(Qt::ArrowCursor);
    end_ = button("Command2", QStringLiteral("End"), {10200, 7680, 1215, 480}, 15.75, false);
    connect(print_, &QPushButton::clicked, this, [this] { host_.printResultReport(); });
    connect(next_, &QPushButton::clicked, this, &ResultsWindow::showNextResultsPage);
    connect(first_, &QPushButton::clicked, this, &ResultsWindow::showFirstResultsPage);
    connect(end_, &QPushButton::clicked, this, [this] { host_.endTestRun(); });
}

void ResultsWindow::gradeExam() {
    gradeAnswers(state_);
    fillFirstResultsPage();
    loadAreaTexts(0);
    sumMarks(state_);
    marks_->setText(QString::number(state_.marksScored));
    percentage_->setText(QString::number(gradedPercentage(state_)));
    total_->setText(QString::number(state_.totalPoints));
    verdict_->setText(gradedPassed(state_) ? QStringLiteral("Passed") : QStringLiteral("Failed"));
    end_->setVisible(true);
    next_->setVisible(state_.gradedQuestionCount > kRows);
    print_->setVisible(true);
    first_->setVisible(false);
    show();
    raise();
}

void ResultsWindow::fillFirstResultsPage() {
    for (int r = 0; r < kRows; ++r) {
        const Text& outcome = state_.slotOutcome[static_cast<std::size_t>(r)];
        if (outcome.empty()) {
            numbers_[r]->setText(QString());
            cells_[r]->setText(QString());
            cells_[2 * kRows + r]->setText(QString());
        } else {
            cells_[kRows + r]->setText(fromAnsi(outcome));
            cells_[2 * kRows + r]->setText(
                QString::number(state_.slotQuestionNumber[static_cast<std::size_t>(r)]));
            cells_[r]->setText(fromAnsi(state_.slotBank[static_cast<std::size_t>(r)]));
        }
    }
}

void ResultsWindow::loadAreaTexts(int firstSlot) {
    for (int r = 0; r < kRows; ++r) {
        const auto s = static_cast<std::size_t>(firstSlot + r);
        try {
            const std::string area =
                FieldReader::open(areaPath(state_.slotBank[s], state_.slotQuestionNumber[s]))
                    .next();
            areas_[r]->setText(fromAnsi(area));
            state_.slotAreaText[s] = area;
        } catch (const DataError&) {
            // The area text is optional: its cell stays empty.
            areas_[r]->setText(QString());
        }
    }
}

void ResultsWindow::showButtons(bool next, bool first) {
    next_->setVisible(next);
    first_->setVisible(first);
}

void ResultsWindow::showNextResultsPage() {
    ++state_.resultsPage;
    const bool third = state_.resultsThirdPageNext == 1;
    const int first = third ? 2 * kRows : kRows;
    for (int r = 0; r < kRows; ++r) {
        const auto s = static_cast<std::size_t>(first + r);
        const Text& outcome = state_.slotOutcome[s];
        numbers_[r]->setText(outcome.empty() ? QString() : QString::number(first + r + 1));
        cells_[kRows + r]->setText(fromAnsi(outcome));
    }
    for (int r = 0; r < kRows; ++r) {
        const auto s = static_cast<std::size_t>(first + r);
        if (!state_.slotOutcome[s].empty()) {
            cells_[2 * kRows + r]->setText(QString::number(state_.slotQuestionNumber[s]));
            cells_[r]->setText(fromAnsi(state_.slotBank[s]));
        } else {
            cells_[2 * kRows + r]->setText(QString());
            cells_[r]->setText(QString());
            if (!third)
                showButtons(false, true);
        }
    }
    loadAreaTexts(first);
    if (!third) {
        if (state_.gradedQuestionCount <= 2 * kRows) {
            end_->setVisible(true);
            print_->setVisible(true);
            showButtons(false, true);
        } else {
            state_.resultsThirdPageNext = 1;
        }
    } else {
        state_.resultsThirdPageNext = 0;
        end_->setVisible(true);
        print_->setVisible(true);
        showButtons(false, true);
    }
}

void ResultsWindow::showFirstResultsPage() {
    state_.resultsPage = 0;
    for (int r = 0; r < kRows; ++r)
        numbers_[r]->setText(QString::number(r + 1));
    gradeExam();
}

} // namespace examtrainer
