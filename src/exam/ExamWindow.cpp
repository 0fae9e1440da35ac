#include "ExamWindow.h"

#include "ExamPictures.h"
#include "ExamWindowHost.h"
#include "platform/AnsiText.h"
#include "platform/ClickableLabel.h"
#include "platform/NumberText.h"
#include "platform/Twips.h"
#include "results/ExamClock.h"
#include "textstore/TestTexts.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTextEdit>
#include <cmath>

namespace examtrainer {

namespace {

constexpr uint32_t kBlue = 0x00FF0000;
constexpr uint32_t kWhite = 0x00FFFFFF;
constexpr uint32_t kCyan = 0x00FFFF00;
constexpr uint32_t kDarkBlue = 0x00C00000;
constexpr uint32_t kGreen = 0x0000FF00;
constexpr uint32_t kDesignGreen = 0x0000C000;
constexpr uint32_t kOrange = 0x000080FF;
constexpr uint32_t kDarkRed = 0x000000C0;
constexpr uint32_t kBrown = 0x00004080;

constexpr int kAnswerTops[] = {3600, 4560, 5520, 6480};
const char* const kLetters[] = {"a", "b", "c", "d"};

QColor windowBackground() {
    return QApplication::palette().color(QPalette::Base);
}
QColor buttonText() {
    return QApplication::palette().color(QPalette::ButtonText);
}

QFont arial(double points, bool bold = true) {
    return designFont(QStringLiteral("Arial"), points, bold);
}

int letterIndex(const std::string& letter) {
    for (int i = 0; i < 4; ++i) {
        if (letter == kLetters[i])
            return i;
    }
    return -1;
}

const QString kRefuseBeforeStart = QStringLiteral("Please click 'Start' to proceed.");

} // namespace

ExamWindow::ExamWindow(ExamState& state, HostServices services, ExamWindowHost& host,
                       QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Tool), state_(state), services_(services),
      host_(host) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Form1"));
    clock_.setObjectName(QStringLiteral("Timer1"));
    clock_.setTimerType(Qt::PreciseTimer);
    connect(&clock_, &QTimer::timeout, this, &ExamWindow::examClockTick);
    flash_.setObjectName(QStringLiteral("Timer2"));
    connect(&flash_, &QTimer::timeout, this, &ExamWindow::flashTick);
    buildControls();
}

ClickableLabel* ExamWindow::addLabel(const char* name, const QString& text, QRect twips) {
    auto* label = new ClickableLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    placeTwips(label, twips.x(), twips.y(), twips.width(), twips.height());
    // Label texts stand at the top of their box, as the design's labels draw them.
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

void ExamWindow::buildControls() {
    resize(twipsToPixels(12000), twipsToPixels(9000));

    auto restacking = [this](ClickableLabel* label) {
        connect(label, &ClickableLabel::clicked, this, [this] { host_.restackFloatingWindows(); });
        return label;
    };
    auto colours = [](QWidget* widget, uint32_t background, uint32_t text) {
        setBackground(widget, bgrColor(background));
        setTextColour(widget, bgrColor(text));
    };
    auto clickable = [](QWidget* widget) { widget->setCursor(examPointer()); };

    // Frame bars, header blocks and corner pictures: decoration that only restacks when clicked.
    struct Decoration {
        const char* name;
        QRect twips;
        uint32_t colour;
    };
    for (const Decoration& bar : {Decoration{"Label11", {1800, 240, 10095, 120}, kBlue},
                                  Decoration{"Label12", {1800, 360, 60, 7815}, kBlue},
                                  Decoration{"Label13", {11835, 360, 60, 7815}, kBlue},
                                  Decoration{"Label14", {1800, 8115, 10095, 60}, kBlue},
                                  Decoration{"Label15", {9240, 3240, 60, 3990}, kBlue},
                                  Decoration{"Label6", {1920, 960, 120, 375}, kDarkBlue},
                                  Decoration{"Label9", {10935, 960, 225, 375}, kDarkBlue}})
        setBackground(restacking(addLabel(bar.name, QString(), bar.twips)), bgrColor(bar.colour));
    for (const Decoration& corner : {Decoration{"Picture1", {60, 15, 255, 255}, 0},
                                     Decoration{"Picture2", {11685, 15, 255, 255}, 0},
                                     Decoration{"Picture3", {60, 8640, 255, 255}, 0},
                                     Decoration{"Picture4", {11685, 8640, 255, 255}, 0},
                                     Decoration{"Picture5", {1920, 8220, 120, 120}, 0},
                                     Decoration{"Picture6", {11520, 240, 120, 120}, 0},
                                     Decoration{"Picture7", {9360, 240, 120, 120}, 0},
                                     Decoration{"Picture8", {1920, 240, 120, 120}, 0}}) {
        ClickableLabel* picture = restacking(addLabel(corner.name, QString(), corner.twips));
        picture->setPixmap(drawCornerPicture(picture->size()));
    }

    title_ = restacking(addLabel("Text2", QString(), {1920, 480, 9855, 480}));
    colours(title_, kBlue, kWhite);
    title_->setFont(arial(15.75));
    title_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    ClickableLabel* numberCaption =
        restacking(addLabel("Label3", QStringLiteral("Question Number:"), {2040, 960, 2175, 375}));
    questionNumber_ = restacking(addLabel("Label4", QStringLiteral("1"), {4200, 960, 1455, 375}));
    ClickableLabel* pointsCaption = restacking(
        addLabel("Label7", QStringLiteral("Points for this Question:"), {5640, 960, 5295, 375}));
    pointsCaption->setAlignment(Qt::AlignRight | Qt::AlignTop);
    questionPoints_ = restacking(addLabel("Label8", QStringLiteral("1"), {11160, 960, 615, 375}));
    for (ClickableLabel* label : {numberCaption, questionNumber_, pointsCaption, questionPoints_}) {
        colours(label, kCyan, kDarkBlue);
        label->setFont(arial(11.25));
    }

    auto textBox = [this](const char* name, QRect twips) {
        auto* box = new QTextEdit(this);
        box->setObjectName(QString::fromLatin1(name));
        placeTwips(box, twips.x(), twips.y(), twips.width(), twips.height());
        box->setReadOnly(true);
        box->setAcceptRichText(false);
        box->setFont(arial(11.25, false));
        box->viewport()->installEventFilter(this);
        return box;
    };
    questionBox_ = textBox("RichTextBox1", {1920, 1200, 9855, 1695});

    ClickableLabel* selectCaption =
        restacking(addLabel("Label10", QStringLiteral("Select the correct answer from those below"),
                            {1920, 3240, 7215, 375}));
    colours(selectCaption, kBlue, kWhite);
    selectCaption->setFont(arial(11.25));
    selectCaption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    for (int i = 0; i < 4; ++i) {
        answerBoxes_[i] = textBox(qPrintable(QStringLiteral("RichTextBox%1").arg(i + 2)),
                                  {1920, kAnswerTops[i], 6615, 975});
        auto* button = new QPushButton(QStringLiteral("%1)").arg(kLetters[i]), this);
        button->setObjectName(QStringLiteral("Command%1").arg(i + 1));
        placeTwips(button, 8520, kAnswerTops[i], 615, 975);
        button->setFont(arial(18));
        clickable(button);
        connect(button, &QPushButton::clicked, this, [this, i] { answer(i); });
        answerButtons_[i] = button;
    }

    ClickableLabel* tutorialCaption =
        restacking(addLabel("Label1", QStringLiteral("Tutorial"), {9360, 3240, 2415, 375}));
    colours(tutorialCaption, kBlue, kWhite);
    tutorialCaption->setFont(arial(11.25));
    tutorialCaption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    struct Tutorial {
        const char* name;
        int top;
        int height;
    };
    for (const Tutorial& t :
         {Tutorial{"Text1", 3600, 495}, Tutorial{"Text4", 4080, 975}, Tutorial{"Text5", 5040, 495},
          Tutorial{"Text6", 5520, 495}, Tutorial{"Text3", 6000, 495}}) {
        ClickableLabel* text =
            restacking(addLabel(t.name, QString(), {9360, t.top, 2415, t.height}));
        colours(text, kCyan, kDarkBlue);
        text->setFont(designFont(QStringLiteral("Garamond"), 8.25));
        text->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        text->setWordWrap(true);
    }

    figureList_ = new QComboBox(this);
    figureList_->setObjectName(QStringLiteral("Combo1"));
    placeTwips(figureList_, 9360, 6840, 2415, 390);
    figureList_->setEditable(true);
    figureList_->lineEdit()->setReadOnly(true);
    figureList_->setFont(arial(11.25));
    colours(figureList_, kBlue, kWhite);
    colours(figureList_->lineEdit(), kBlue, kWhite);
    clickable(figureList_);

    for (int i = 0; i < 96; ++i) {
        const int column = i / 32;
        ClickableLabel* box = addLabel(qPrintable(QStringLiteral("Text7(%1)").arg(i)),
                                       i < 75 ? QString::number(i + 1) : QString(),
                                       {480 + 360 * column, 360 + 240 * (i % 32), 375, 285});
        box->setAlignment(Qt::AlignCenter);
        box->setFrameShape(QFrame::Box);
        box->setFont(arial(8.25, false));
        setBackground(box, windowBackground());
        setTextColour(box, Qt::black);
        clickable(box);
        connect(box, &ClickableLabel::clicked, this, [this, i] { goToQuestion(i); });
        grid_[static_cast<std::size_t>(i)] = box;
    }

    previous_ =
        addLabel("Label20", QStringLiteral("<< Previous Question"), {1920, 7680, 3015, 375});
    next_ = addLabel("Label21", QStringLiteral("Next Question >>"), {4920, 7680, 2895, 375});
    tag_ = addLabel("Label22", QStringLiteral("Tag / Clear"), {7800, 7680, 1335, 375});
    for (ClickableLabel* label : {previous_, next_, tag_}) {
        label->setFrameShape(QFrame::Box);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setFont(arial(11.25));
        colours(label, kBlue, kWhite);
        clickable(label);
    }
    next_->setFont(arial(12));
    colours(tag_, kOrange, 0x00000000);
    connect(previous_, &ClickableLabel::clicked, this, &ExamWindow::previousQuestion);
    connect(next_, &ClickableLabel::clicked, this, &ExamWindow::nextQuestion);
    connect(tag_, &ClickableLabel::clicked, this, &ExamWindow::tagOrClear);

    startLabel_ = addLabel("Label16", QStringLiteral(" Start"), {9360, 7440, 1095, 495});
    startLabel_->setFont(arial(18));
    startStrip_ = addLabel("Label18", QString(), {9360, 7800, 1095, 255});
    for (ClickableLabel* label : {startLabel_, startStrip_}) {
        setBackground(label, bgrColor(kDesignGreen));
        clickable(label);
        connect(label, &ClickableLabel::clicked, this, &ExamWindow::start);
    }
    startLabel_->raise();

    ClickableLabel* finish =
        addLabel("Label17", QStringLiteral("Finish"), {10440, 7440, 1335, 375});
    finish->setFont(arial(18));
    finish->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    colours(finish, kDarkRed, kWhite);
    ClickableLabel* finishStrip = addLabel("Label19", QString(), {10440, 7800, 1095, 255});
    setBackground(finishStrip, bgrColor(kDarkRed));
    ClickableLabel* finishPicture = addLabel("Picture9", QString(), {11520, 7800, 255, 255});
    finishPicture->setPixmap(drawFinishPicture(finishPicture->size()));
    for (ClickableLabel* label : {finish, finishStrip, finishPicture}) {
        label->setCursor(Qt::PointingHandCursor);
        connect(label, &ClickableLabel::clicked, this, &ExamWindow::finishExam);
    }

    minutes_ = restacking(addLabel("Label5", QString(), {9360, 8280, 615, 255}));
    ClickableLabel* minutesCaption = restacking(
        addLabel("Label2", QStringLiteral("Minutes Remaining"), {9960, 8280, 1815, 255}));
    for (ClickableLabel* label : {minutes_, minutesCaption}) {
        label->setFont(arial(9.75));
        setTextColour(label, bgrColor(kBrown));
    }

    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("ProgressBar1"));
    placeTwips(progress_, 120, 8280, 9135, 195);
    progress_->setRange(0, 10000);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    progress_->installEventFilter(this);
}

void ExamWindow::load(const std::string& testName) {
    findChild<ClickableLabel*>(QStringLiteral("Text1"))
        ->setText(QStringLiteral("Answer by clicking the button on the right of the answer."));
    findChild<ClickableLabel*>(QStringLiteral("Text4"))
        ->setText(QStringLiteral("Step through the questions by clicking the 'Next' and "
                                 "'Previous' Question buttons. Go directly to a question by "
                                 "clicking the question number on the left."));
    findChild<ClickableLabel*>(QStringLiteral("Text5"))
        ->setText(QStringLiteral("Graphic figs can be found in the drop-down list below this "
                                 "tutorial."));
    findChild<ClickableLabel*>(QStringLiteral("Text6"))
        ->setText(QStringLiteral("The 'Tag/Clear' button marks/un-marks a question for later "
                                 "recall."));
    findChild<ClickableLabel*>(QStringLiteral("Text3"))
        ->setText(QStringLiteral("Start the test by clicking the flashing green start button. "));

    state_.startFlashOn = 0;
    state_.examStarted = 0;

    state_.screenWidthTwips = services_.screen->widthTwips();
    placeDesignWindow(this, 12000, 9000, state_.screenWidthTwips);

    title_->setText(fromAnsi(testName));
    sumTotalPoints(state_);
    loadTestTexts(state_);
    placeCorrectAnswers(state_, *services_.random);
    minutes_->setText(QString::fromStdString(numberText(2.0 * state_.totalPoints)));
    state_.currentSlot = 0;

    for (int i = 0; i < 96; ++i) {
        ClickableLabel* box = grid_[static_cast<std::size_t>(i)];
        if (state_.slotQuestionText[static_cast<std::size_t>(i)].empty()) {
            box->setText(QString());
            box->setEnabled(false);
        } else {
            // Boxes past 75 have no number of their own; a question there still needs one.
            if (box->text().isEmpty())
                box->setText(QString::number(i + 1));
            box->setEnabled(true);
        }
    }
    for (ClickableLabel* label : {previous_, startLabel_, startStrip_, next_, tag_})
        label->setEnabled(true);

    flash_.setInterval(300);
    flash_.start();
}

QString ExamWindow::testName() const {
    return title_->text();
}

void ExamWindow::showCurrentQuestion() {
    const auto s = static_cast<std::size_t>(state_.currentSlot);
    const int shown = letterIndex(state_.slotShownCorrectLetter[s]);
    const int key = letterIndex(state_.slotKeyLetter[s]);
    const std::array<const Text*, 4> answers = {
        &state_.slotAnswerTextA[s], &state_.slotAnswerTextB[s], &state_.slotAnswerTextC[s],
        &state_.slotAnswerTextD[s]};

    if (!state_.slotQuestionText[s].empty()) {
        const int chosen = letterIndex(state_.slotChosenLetter[s]);
        for (int p = 0; p < 4; ++p) {
            const bool isChosen = p == chosen;
            setTextColour(answerBoxes_[p], isChosen ? bgrColor(kBlue) : buttonText());
            setBackground(answerBoxes_[p], isChosen ? bgrColor(kGreen) : bgrColor(kWhite));
        }
    }
    questionBox_->setPlainText(fromAnsi(state_.slotQuestionText[s]));

    // The correct answer (bank letter K) shows in box L and the bank's answer L in box K; the
    // others stay in their bank boxes. A box whose letter pairs with no valid letter keeps what
    // it showed.
    for (int p = 0; p < 4; ++p) {
        const bool isShown = shown == p;
        const bool isKey = key == p;
        if (isShown == isKey) {
            answerBoxes_[p]->setPlainText(fromAnsi(*answers[p]));
        } else if (isKey && shown >= 0) {
            answerBoxes_[p]->setPlainText(fromAnsi(*answers[shown]));
            answerBoxes_[shown]->setPlainText(fromAnsi(*answers[p]));
        }
    }

    answerButtons_[2]->setEnabled(!answerBoxes_[2]->toPlainText().isEmpty());
    layOutAnswers(!answerBoxes_[3]->toPlainText().isEmpty());
    state_.displayedSlot = state_.currentSlot;
    questionNumber_->setText(QString::number(state_.currentSlot + 1));
    // The points of the question on show, not a fixed "1" that tells the candidate a wrong value.
    questionPoints_->setText(fromAnsi(state_.slotPoints[s]));
}

void ExamWindow::layOutAnswers(bool fourAnswers) {
    // Top and heights of answers a to c; answer d shows only in the four-answer layout, at its
    // design place.
    struct Place {
        int top;
        int boxHeight;
        int buttonHeight;
    };
    static constexpr Place kFour[] = {{3600, 975, 975}, {4560, 975, 975}, {5520, 975, 975}};
    static constexpr Place kThree[] = {{3600, 1335, 1300}, {4900, 1300, 1300}, {6200, 1300, 1300}};
    const Place* places = fourAnswers ? kFour : kThree;
    for (int i = 0; i < 3; ++i) {
        placeTwips(answerBoxes_[i], 1920, places[i].top, 6615, places[i].boxHeight);
        placeTwips(answerButtons_[i], 8520, places[i].top, 615, places[i].buttonHeight);
    }
    answerBoxes_[3]->setVisible(fourAnswers);
    answerButtons_[3]->setVisible(fourAnswers);
}

bool ExamWindow::refuseBeforeStart() {
    host_.restackFloatingWindows();
    if (clock_.isActive())
        return false;
    services_.messages->showMessage(kRefuseBeforeStart);
    return true;
}

void ExamWindow::setGridBackground(int slot, const QColor& colour) {
    if (slot >= 0 && slot < 96)
        setBackground(grid_[static_cast<std::size_t>(slot)], colour);
}

void ExamWindow::setGridBackground(int slot, uint32_t bgr) {
    setGridBackground(slot, bgrColor(bgr));
}

void ExamWindow::markTag(int slot, bool tagged) {
    state_.slotTagState[static_cast<std::size_t>(slot)] = tagged ? 9 : 8;
    if (slot >= 96)
        return;
    ClickableLabel* box = grid_[static_cast<std::size_t>(slot)];
    box->setText(QString::number(slot + 1) + (tagged ? QStringLiteral("*") : QString()));
    setTextColour(box, tagged ? bgrColor(kDarkRed) : QColor(Qt::black));
    QFont font = box->font();
    font.setBold(tagged);
    box->setFont(font);
}

void ExamWindow::answer(int box) {
    if (refuseBeforeStart())
        return;
    const auto s = static_cast<std::size_t>(state_.currentSlot);
    if (!state_.slotChosenLetter[s].empty()) {
        // Any button takes a recorded answer back; changing an answer takes two clicks.
        state_.slotChosenLetter[s].clear();
        setGridBackground(state_.currentSlot, windowBackground());
    } else {
        state_.slotChosenLetter[s] = kLetters[box];
        setGridBackground(state_.currentSlot, kGreen);
        if (state_.slotTagState[s] == 9)
            markTag(state_.currentSlot, false);
    }
    showCurrentQuestion();
}

void ExamWindow::recolourBoxLeft() {
    const auto left = static_cast<std::size_t>(state_.displayedSlot);
    if (state_.slotChosenLetter[left].empty())
        setGridBackground(state_.displayedSlot, windowBackground());
    else
        setGridBackground(state_.displayedSlot, kGreen);
}

void ExamWindow::moveTo(int slot) {
    // The box left is the one on show, whatever slot the move comes from.
    recolourBoxLeft();
    state_.currentSlot = static_cast<int16_t>(slot);
    showCurrentQuestion();
    setGridBackground(slot, kCyan);
}

void ExamWindow::previousQuestion() {
    if (refuseBeforeStart() || state_.currentSlot <= 0)
        return;
    moveTo(state_.currentSlot - 1);
}

void ExamWindow::nextQuestion() {
    if (refuseBeforeStart())
        return;
    const int following = state_.currentSlot + 1;
    if (following > kLastSlot ||
        state_.slotQuestionText[static_cast<std::size_t>(following)].empty())
        return;
    moveTo(following);
}

void ExamWindow::goToQuestion(int slot) {
    if (refuseBeforeStart())
        return;
    moveTo(slot);
}

void ExamWindow::tagOrClear() {
    if (refuseBeforeStart())
        return;
    const int s = state_.currentSlot;
    markTag(s, state_.slotTagState[static_cast<std::size_t>(s)] != 9);
}

void ExamWindow::cancelAllTags() {
    for (int i = 0; i <= kLastSlot; ++i) {
        if (state_.slotTagState[static_cast<std::size_t>(i)] == 9)
            markTag(i, false);
    }
}

void ExamWindow::start() {
    host_.restackFloatingWindows();
    if (state_.examStarted == 1) {
        services_.messages->showMessage(QStringLiteral("The exam has already started "));
        return;
    }
    state_.examStarted = 1;
    state_.timeWarningShown = 0;
    showCurrentQuestion();
    minutes_->setText(QString::fromStdString(numberText(2.0 * state_.totalPoints)));
    setGridBackground(state_.currentSlot, kCyan);
    clock_.setInterval(kClockTickMilliseconds);
    clock_.start();
    // A test worth no points has no time to run: it is timed out from the start.
    if (state_.totalPoints <= 0)
        examClockTick();
}

void ExamWindow::flashTick() {
    if (state_.examStarted != 0) {
        setBackground(startLabel_, bgrColor(kDesignGreen));
        setBackground(startStrip_, bgrColor(kDesignGreen));
        return;
    }
    const bool bright = state_.startFlashOn == 0;
    setBackground(startLabel_, bgrColor(bright ? kGreen : kDesignGreen));
    setBackground(startStrip_, bgrColor(bright ? kGreen : kDesignGreen));
    state_.startFlashOn = bright ? 1 : 0;
}

void ExamWindow::examClockTick() {
    state_.elapsedMinutes += clockIncrement(state_.totalPoints);
    if (state_.elapsedMinutes >= 2.0 * state_.totalPoints) {
        timeOut();
        return;
    }
    progressValue_ = timeUsedPercent(state_.totalPoints, state_.elapsedMinutes);
    progress_->setValue(static_cast<int>(std::lround(progressValue_ * 100)));
    minutes_->setText(
        QString::fromStdString(remainingMinutesText(state_.totalPoints, state_.elapsedMinutes)));
    state_.timeUp = 0;
    if (displayedRemainingMinutes(state_.totalPoints, state_.elapsedMinutes) <= 5 &&
        state_.timeWarningShown == 0) {
        host_.showTimeWarning();
        state_.timeWarningShown = 1;
    }
}

void ExamWindow::timeOut() {
    state_.timeUp = 1;
    const std::initializer_list<QWidget*> locked = {answerButtons_[0],
                                                    answerButtons_[1],
                                                    answerButtons_[2],
                                                    answerButtons_[3],
                                                    previous_,
                                                    next_,
                                                    tag_,
                                                    startLabel_,
                                                    startStrip_};
    for (QWidget* control : locked)
        control->setEnabled(false);
    for (ClickableLabel* box : grid_)
        box->setEnabled(false);
    host_.hideTimeWarning();
    minutes_->setText(QStringLiteral("0"));
    // The notice is modal and the clock keeps ticking behind it: while one is open, the ticks
    // that come meanwhile leave it be, and the first tick after it is closed brings it back.
    if (timeOutNoticeOpen_)
        return;
    timeOutNoticeOpen_ = true;
    services_.messages->showMessage(
        QStringLiteral("Your alotted time is ended, please press 'Finish' to see your result"));
    timeOutNoticeOpen_ = false;
}

void ExamWindow::finishExam() {
    host_.restackFloatingWindows();
    if (state_.examStarted == 0) {
        services_.messages->showMessage(
            QStringLiteral(" Click Start and answer questions before clicking Finish."));
        return;
    }
    for (int16_t tag : state_.slotTagState) {
        if (tag == 9) {
            host_.showTagsPending(QStringLiteral(
                "There is one or more 'tagged' questions still in the list. To continue with the "
                "test, click 'Revert to Test'. To remove all tags, click 'Cancel all Tags'."));
            return;
        }
    }
    if (state_.timeUp == 1) {
        clock_.stop();
        host_.gradeExam();
        return;
    }
    host_.showFinishConfirmation(
        QStringLiteral("You Still have ") +
        QString::fromStdString(remainingMinutesText(state_.totalPoints, state_.elapsedMinutes)) +
        QStringLiteral(" minutes of your alotted time to go. To continue with the test, click "
                       "'Revert to Test', to proceed to the result, click 'Get Result'. "));
}

double ExamWindow::progressValue() const {
    return progressValue_;
}

void ExamWindow::mousePressEvent(QMouseEvent* event) {
    event->accept();
    host_.restackFloatingWindows();
}

bool ExamWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress)
        host_.restackFloatingWindows();
    return QWidget::eventFilter(watched, event);
}

} // namespace examtrainer
