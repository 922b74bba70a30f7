#include "ui/main/MainWin.h"

#include "ui/keypads/FunctionKeyFrm.h"
#include "ui/keypads/NumericKeyFrm.h"
#include "ui/keypads/StyledButton.h"
#include "ui/main/KeypadTransitionView.h"
#include "ui/main/MainActions.h"
#include "ui/main/UiFont.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QScreen>
#include <QSequentialAnimationGroup>
#include <QUrl>
#include <QWheelEvent>
#include <cmath>
#include <exception>

namespace kalvio {

namespace {

constexpr int TopPanelHeight = TMainForm::TopBarHeight + TMainForm::FieldRowHeight;
constexpr int TopButtonWidth = 45;
constexpr int TopButtonHeight = 18;
constexpr int FieldHeight = 30;
constexpr int ResultMargin = 5;
constexpr double KeypadRowHeight = 165;
constexpr const char* HomePageAddress = "https://kalvio.example/";

// Rounds to the nearest integer, halves to the even neighbour.
int RoundEven(double value) {
    return static_cast<int>(std::lrint(value));
}

QString FromU16(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

constexpr Qt::WindowFlags DesignWindowFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

constexpr QRgb WindowColour = 0xe9ecf0;
constexpr QRgb CalcLabelColour = 0xc0392b;
constexpr QRgb BcdLabelColour = 0x1f6fb2;

} // namespace

TMainForm::TMainForm(std::filesystem::path settingsFile)
    : QWidget(nullptr, DesignWindowFlags), FExpressionEdit(new TExpressionEdit(this)),
      FResultViewer(new TCalcResultViewerWidget(this)),
      FCalculator(*FExpressionEdit, *FResultViewer, *this, FExecutor),
      FPanelWindows(FCalculator, *this),
      FDialogActions(FCalculator, *this, [this](int percent) { ApplyTransparency(percent); }) {
    setObjectName(QStringLiteral("MainForm"));
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, QColor(WindowColour));
    setPalette(windowPalette);
    setAutoFillBackground(true);
    setWindowTitle(QStringLiteral("Kalvio"));
    setFont(UiFont(12));
    FCalculator.SetSettingsFile(std::move(settingsFile));

    CreateTopBar();
    CreateFieldRow();
    CreateKeypads();
    CreateActions();
    ConnectActions();
    ApplyWindowScale(0);
    // The end of the session also ends the program without a close.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &TMainForm::SaveState);
}

TMainForm::~TMainForm() = default;

QAction* TMainForm::Action(const char* name) const {
    return findChild<QAction*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

// ---- Building --------------------------------------------------------------------------------

void TMainForm::CreateTopBar() {
    const auto makeButton = [this](const char* name, const char16_t* caption, int x, int width) {
        auto* button =
            new TStyledButton(QString::fromLatin1(name), QStringLiteral("TopBarBtnStyle"), this);
        button->setText(QString::fromUtf16(caption));
        button->setGeometry(x, 1, width, TopButtonHeight);
        return button;
    };
    FAngleModeBtn = makeButton("AngleModeBtn", u"Deg", 1, TopButtonWidth);
    FResultModeBtn = makeButton("ResultModeBtn", u"Norm", 48, TopButtonWidth);
    FMBtn = makeButton("MBtn", u"M", 95, 100);
    FMBtn->hide();
    FCopyBtn = makeButton("CopyBtn", u"Copy", 0, TopButtonWidth);
    FMenuBtn = makeButton("MenuBtn", u"Menu", 0, TopButtonWidth);
}

void TMainForm::CreateFieldRow() {
    FExpressionEdit->setFixedHeight(FieldHeight);
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("ResultPanel"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setBackgroundRole(QPalette::Base);
    panel->setAutoFillBackground(true);
    panel->lower();
    FResultViewer->raise();
    FCalcLabel = new QLabel(QStringLiteral("CALC"), this);
    FCalcLabel->setObjectName(QStringLiteral("CalcLabel"));
    FBcdLabel = new QLabel(QStringLiteral("BCD"), this);
    FBcdLabel->setObjectName(QStringLiteral("BcdLabel"));
    for (auto [label, colour] :
         {std::pair{FCalcLabel, CalcLabelColour}, std::pair{FBcdLabel, BcdLabelColour}}) {
        QPalette labelPalette = label->palette();
        labelPalette.setColor(QPalette::WindowText, QColor(colour));
        label->setPalette(labelPalette);
        label->setFont(UiFont(10, false));
        label->hide();
    }

    FExpressionEdit->OnKeyDown = [this](std::uint16_t key, char16_t keyChar) {
        return FCalculator.ExpressionEditKeyDown(key, keyChar);
    };
    FExpressionEdit->OnMouseDown = [this] { FCalculator.ExpressionEditMouseDown(); };
    connect(FExpressionEdit, &QLineEdit::textChanged, this,
            [this] { FCalculator.ExpressionEditChangeTracking(); });
}

void TMainForm::CreateKeypads() {
    FFunctionKeyFrame = new TFunctionKeyFrame(this);
    FNumericKeyFrame = new TNumericKeyFrame(this);
    FTransitionView = new TKeypadTransitionView(this);

    connect(FNumericKeyFrame, &TNumericKeyFrame::KeyPushed, this,
            [this](TExpressionKey key) { FCalculator.PushKey(key); });
    connect(FNumericKeyFrame, &TNumericKeyFrame::OperatorKeyPushed, this,
            [this](TExpressionKey key) { FCalculator.PushOperatorKey(key); });
    connect(FNumericKeyFrame, &TNumericKeyFrame::CommandKeyPushed, this,
            [this](TCommandKey key) { FCalculator.PushCommandKey(key); });
    connect(FFunctionKeyFrame, &TFunctionKeyFrame::KeyPushed, this,
            [this](TExpressionKey key) { FCalculator.PushKey(key); });
    connect(FFunctionKeyFrame, &TFunctionKeyFrame::CommandKeyPushed, this,
            [this](TCommandKey key) { FCalculator.PushCommandKey(key); });
}

void TMainForm::CreateActions() {
    for (const TActionEntry& entry : MainActionTable()) {
        auto* action = new QAction(QString::fromUtf16(entry.Caption), this);
        action->setObjectName(QString::fromLatin1(entry.Name));
        action->setCheckable(entry.IsCheckable);
        action->setData(entry.Tag);
        if (entry.Shortcut[0] != '\0') {
            action->setShortcut(QKeySequence(QString::fromLatin1(entry.Shortcut)));
        }
        // Added to the window so that the shortcuts work whether or not a menu shows them.
        addAction(action);
    }
    Action("MAction")->setVisible(false);
    Action("FunctinPanelKeyAction")->setChecked(true);
    Action("NumberPanelKeyAction")->setChecked(true);
}

void TMainForm::ConnectActions() {
    const auto on = [this](const char* name, auto handler) {
        connect(Action(name), &QAction::triggered, this, handler);
    };
    on("MAction", [this] { FCalculator.MActionExecute(); });
    on("MPlusAction", [this] { FCalculator.MPlusActionExecute(); });
    on("MMinusAction", [this] { FCalculator.MMinusActionExecute(); });
    on("MCLAction", [this] { FCalculator.ClearMemory(); });
    on("DegAction", [this] { FCalculator.AngleActionExecute(atDeg); });
    on("RadAction", [this] { FCalculator.AngleActionExecute(atRad); });
    on("GradAction", [this] { FCalculator.AngleActionExecute(atGrad); });
    on("NormalAction", [this] { FCalculator.NormalActionExecute(); });
    for (const TActionEntry& entry : MainActionTable()) {
        const QString name = QString::fromLatin1(entry.Name);
        const int tag = entry.Tag;
        if (name.startsWith(QLatin1String("Fix"))) {
            on(entry.Name, [this, tag] { FCalculator.FixActionExecute(tag); });
        } else if (name.startsWith(QLatin1String("Sci"))) {
            on(entry.Name, [this, tag] { FCalculator.SciActionExecute(tag); });
        }
    }
    on("DigitGroupingSeparatorAction",
       [this] { FCalculator.DigitGroupingSeparatorActionExecute(); });
    on("BigDecimalAction", [this] { FCalculator.BigDecimalActionExecute(); });
    on("CopyAction", [this] {
        const QString text = FromU16(FCalculator.CopyActionExecute());
        if (QClipboard* clipboard = QGuiApplication::clipboard()) {
            clipboard->setText(text);
        }
    });
    on("TopMostAction", [this] { SetTopMost(!IsTopMost()); });
    on("FunctinPanelKeyAction", [this] { ToggleFunctionKeypad(); });
    on("NumberPanelKeyAction", [this] { ToggleNumberKeypad(); });
    on("AddExpressionRecordAction", [this] { FCalculator.AddExpressionRecord(); });
    on("ZoomInWindowAction", [this] { ApplyWindowScale(FWindowScaleNumber + 1); });
    on("ZoomOutWindowAction", [this] {
        if (FWindowScaleNumber - 1 >= 0) {
            ApplyWindowScale(FWindowScaleNumber - 1);
        }
    });
    on("ZoomOriginalWindowAction", [this] { ApplyWindowScale(0); });
    on("HomePageAction",
       [] { QDesktopServices::openUrl(QUrl(QString::fromLatin1(HomePageAddress))); });
    on("WindowPosBottomAction", [this] { MoveToBack(); });
    on("HistoryListFormAction", [this] { FPanelWindows.TogglePanel(pkHistory); });
    on("VariablePanelAction", [this] { FPanelWindows.TogglePanel(pkVariable); });
    on("ExpressionRecordFormAction", [this] { FPanelWindows.TogglePanel(pkExpression); });
    FPanelWindows.SetCheckAction(pkHistory, Action("HistoryListFormAction"));
    FPanelWindows.SetCheckAction(pkVariable, Action("VariablePanelAction"));
    FPanelWindows.SetCheckAction(pkExpression, Action("ExpressionRecordFormAction"));
    on("SettingAction", [this] { FDialogActions.SettingActionExecute(); });
    on("PhysicalConstantsAction", [this] { FDialogActions.PhysicalConstantsActionExecute(); });
    on("AboutAction", [this] { FDialogActions.AboutActionExecute(); });

    connect(FMBtn, &QPushButton::clicked, Action("MAction"), &QAction::trigger);
    connect(FCopyBtn, &QPushButton::clicked, Action("CopyAction"), &QAction::trigger);
    connect(FAngleModeBtn, &QPushButton::clicked, this, [this] {
        PopupBelow(EnsureMenu(FAnglePopup, &TMainForm::FillAngleMenu), FAngleModeBtn);
    });
    connect(FResultModeBtn, &QPushButton::clicked, this, [this] {
        PopupBelow(EnsureMenu(FResultPopup, &TMainForm::FillResultMenu), FResultModeBtn);
    });
    connect(FMenuBtn, &QPushButton::clicked, this,
            [this] { PopupBelow(EnsureMenu(FMainMenu, &TMainForm::FillMainMenu), FMenuBtn); });
}

// The pop-up menus are built when first opened.
QMenu* TMainForm::EnsureMenu(std::unique_ptr<QMenu>& menu, void (TMainForm::*fill)(QMenu&)) {
    if (!menu) {
        menu = std::make_unique<QMenu>(this);
        (this->*fill)(*menu);
    }
    return menu.get();
}

void TMainForm::FillAngleMenu(QMenu& menu) {
    menu.setObjectName(QStringLiteral("AnglePopup"));
    menu.addActions({Action("DegAction"), Action("RadAction"), Action("GradAction")});
}

void TMainForm::FillResultMenu(QMenu& menu) {
    menu.setObjectName(QStringLiteral("ResultPopup"));
    menu.addAction(Action("NormalAction"));
    QMenu* fix = menu.addMenu(QStringLiteral("Fix"));
    for (int digits = 0; digits <= 9; ++digits) {
        fix->addAction(Action(QStringLiteral("Fix%1Action").arg(digits).toLatin1().constData()));
    }
    QMenu* sci = menu.addMenu(QStringLiteral("Sci"));
    for (int digits = 2; digits <= 9; ++digits) {
        sci->addAction(Action(QStringLiteral("Sci%1Action").arg(digits).toLatin1().constData()));
    }
    menu.addSeparator();
    menu.addAction(Action("DigitGroupingSeparatorAction"));
}

void TMainForm::FillMainMenu(QMenu& menu) {
    menu.setObjectName(QStringLiteral("MainMenu"));
    for (const char* name : MainMenuLayout()) {
        if (name == nullptr) {
            menu.addSeparator();
        } else if (QString::fromLatin1(name) != QLatin1String("BigDecimalAction")) {
            // The decimal mode's entry stays hidden: only its shortcut reaches it.
            menu.addAction(Action(name));
        }
    }
}

void TMainForm::PopupBelow(QMenu* menu, const QPushButton* button) {
    menu->popup(button->mapToGlobal(QPoint(0, button->height())));
}

// ---- Layout and zoom -------------------------------------------------------------------------

double TMainForm::Scale() const {
    return 1.0 + 0.05 * FWindowScaleNumber;
}

// A design length at the zoom step, computed as length × (20 + step) / 20 so that a half pixel
// is exact and rounds to the even neighbour as intended.
double TMainForm::Scaled(double designLength) const {
    return designLength * (20 + FWindowScaleNumber) / 20.0;
}

void TMainForm::PlaceTopPanel() {
    const int clientWidth = RoundEven(Scaled(DesignClientWidth));
    FMenuBtn->move(clientWidth - TopButtonWidth - 1, 1);
    FCopyBtn->move(clientWidth - 2 * TopButtonWidth - 3, 1);
    FExpressionEdit->setGeometry(1, TopBarHeight, clientWidth - 2, FieldHeight);
    const QRect result(ResultMargin, TopBarHeight + FieldHeight + 2, clientWidth - 2 * ResultMargin,
                       FieldRowHeight - FieldHeight - 4);
    findChild<QFrame*>(QStringLiteral("ResultPanel"))->setGeometry(result);
    FResultViewer->setGeometry(result.adjusted(4, 0, -4, 0));
    PlaceResultLabels();
    if (FMBtn->isVisible()) {
        UpdateMemoryButtonGeometry();
    }
}

void TMainForm::ApplyWindowScale(int scaleNumber) {
    FWindowScaleNumber = scaleNumber;
    const double scale = Scale();
    FFunctionKeyFrame->SetScale(scale);
    FNumericKeyFrame->SetScale(scale);
    PlaceTopPanel();
    FTransitionView->setGeometry(0, TopPanelHeight, RoundEven(Scaled(DesignClientWidth)),
                                 RoundEven(Scaled(2 * KeypadRowHeight)));
    LayoutKeypads();
}

void TMainForm::LayoutKeypads() {
    FFunctionKeyFrame->move(0, TopPanelHeight);
    FFunctionKeyFrame->setVisible(FIsFunctionPanel);
    const double numericTop = TopPanelHeight + (FIsFunctionPanel ? Scaled(KeypadRowHeight) : 0);
    FNumericKeyFrame->move(0, RoundEven(numericTop));
    FNumericKeyFrame->setVisible(FIsNumberPanel);
    FitClientHeight();
}

void TMainForm::FitClientHeight() {
    const int shown = (FIsFunctionPanel ? 1 : 0) + (FIsNumberPanel ? 1 : 0);
    SetClientHeight(TopPanelHeight + Scaled(shown * KeypadRowHeight));
}

void TMainForm::SetClientHeight(double height) {
    setFixedSize(RoundEven(Scaled(DesignClientWidth)), RoundEven(height));
}

void TMainForm::ToggleFunctionKeypad() {
    if (FIsTransitioning) {
        return;
    }
    AnimateKeypad(kkFunction, FIsFunctionPanel ? tkHide : tkShow);
    FIsFunctionPanel = !FIsFunctionPanel;
    Action("FunctinPanelKeyAction")->setChecked(FIsFunctionPanel);
    LayoutKeypads();
}

void TMainForm::ToggleNumberKeypad() {
    if (FIsTransitioning) {
        return;
    }
    AnimateKeypad(kkNumeric, FIsNumberPanel ? tkHide : tkShow);
    FIsNumberPanel = !FIsNumberPanel;
    Action("NumberPanelKeyAction")->setChecked(FIsNumberPanel);
    LayoutKeypads();
}

void TMainForm::AnimateKeypad(TKeypadKind keypad, TTransitionKind kind) {
    if (!FIsTransitionAnimated || FWindowScaleNumber < 0 || !isVisible()) {
        return;
    }
    FIsTransitioning = true;
    const double scale = Scale();
    const bool showsFunction = FIsFunctionPanel || keypad == kkFunction;
    const bool showsNumeric = FIsNumberPanel || keypad == kkNumeric;
    FTransitionView->SetLayers(showsFunction ? FFunctionKeyFrame->grab() : QPixmap(),
                               showsNumeric ? FNumericKeyFrame->grab() : QPixmap(), scale);
    const TKeypadTransitionPlan plan = KeypadTransitionPlan(keypad, kind, FIsFunctionPanel);
    FTransitionView->Start(plan);
    FFunctionKeyFrame->hide();
    FNumericKeyFrame->hide();
    FTransitionView->raise();
    FTransitionView->show();
    if (plan.GrowsWindowFirst) {
        const int shownAfter = (showsFunction ? 1 : 0) + (showsNumeric ? 1 : 0);
        SetClientHeight(TopPanelHeight + Scaled(shownAfter * KeypadRowHeight));
    }

    QSequentialAnimationGroup sequence;
    for (const std::vector<TLayerMove>& step : plan.Steps) {
        auto* together = new QParallelAnimationGroup(&sequence);
        for (const TLayerMove& move : step) {
            auto* animation = new QPropertyAnimation(
                FTransitionView, TKeypadTransitionView::PropertyName(move.Layer, move.Axis),
                together);
            animation->setEndValue(move.Target);
            animation->setDuration(move.DurationMs);
            animation->setEasingCurve(move.IsQuadraticEaseIn ? QEasingCurve::InQuad
                                                             : QEasingCurve::Linear);
            together->addAnimation(animation);
        }
        sequence.addAnimation(together);
    }
    // The transition runs to its end before the action returns; input waits meanwhile.
    QEventLoop loop;
    connect(&sequence, &QAbstractAnimation::finished, &loop, &QEventLoop::quit);
    sequence.start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);

    FTransitionView->hide();
    FTransitionView->SetLayers(QPixmap(), QPixmap(), scale);
    FIsTransitioning = false;
}

void TMainForm::UpdateMemoryButtonGeometry() {
    const int gap = FCopyBtn->x() - FMBtn->x() - 2;
    const bool overlapsCopy = FMBtn->x() + FMBtn->width() > FCopyBtn->x();
    const int width = overlapsCopy ? std::max(gap, TopButtonWidth) : std::min(gap, 110);
    FMBtn->resize(width, TopButtonHeight);
}

// ---- Window style ----------------------------------------------------------------------------

bool TMainForm::IsTopMost() const {
    return windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

// Changing the flags recreates the window; the client area keeps its place on the screen,
// whether the frame goes or comes. A frameless window carries none of the frame's hints, as Qt
// would otherwise keep the frame.
void TMainForm::ApplyWindowFlags(bool isTopMost, bool isTransparent) {
    Qt::WindowFlags flags =
        isTransparent ? Qt::Window | Qt::FramelessWindowHint : DesignWindowFlags;
    flags.setFlag(Qt::WindowStaysOnTopHint, isTopMost);
    if (flags == windowFlags()) {
        return;
    }
    const bool wasVisible = isVisible();
    const QRect client = geometry();
    setWindowFlags(flags);
    setGeometry(client);
    if (wasVisible) {
        show();
    }
}

void TMainForm::SetTopMost(bool isTopMost) {
    if (isTopMost != IsTopMost()) {
        ApplyWindowFlags(isTopMost, FIsTransparent);
    }
    if (isTopMost) {
        raise();
    }
    Action("TopMostAction")->setChecked(isTopMost);
}

void TMainForm::MoveToBack() {
    setAttribute(Qt::WA_ShowWithoutActivating, true);
    SetTopMost(false);
    lower();
    setAttribute(Qt::WA_ShowWithoutActivating, false);
}

void TMainForm::ApplyTransparency(int percent) {
    const bool isTransparent = percent > 0;
    if (isTransparent != FIsTransparent) {
        FIsTransparent = isTransparent;
        ApplyWindowFlags(IsTopMost(), isTransparent);
    }
    setWindowOpacity(isTransparent ? 1.0 - std::min(percent, 100) / 100.0 : 1.0);
}

// ---- Start and end ---------------------------------------------------------------------------

void TMainForm::AssignFunctionKeys() {
    FFunctionKeyFrame->SetLayers(DefaultFunctionKeyLayers());
    FFunctionKeyFrame->SetButton();
    FNumericKeyFrame->SetButton();
}

void TMainForm::FormShow() {
    if (FIsShown) {
        return;
    }
    FIsShown = true;
    AssignFunctionKeys();
    try {
        FCalculator.Start();
    } catch (const std::exception& error) {
        // An unreadable file leaves the defaults; the window still comes up.
        qWarning("Kalvio: the settings could not be read: %s", error.what());
        FCalculator.ApplyHistoryLimit();
    }
    RestoreWindowGeometry();
    RestoreWindowStyle();
    FExpressionEdit->setFocus();
    RestoreKeypadsAndPanels();
}

void TMainForm::RestoreWindowGeometry() {
    const TAppData& appData = FCalculator.AppData();
    if (appData.Width <= 0 || appData.Height <= 0) {
        return;
    }
    // A stored place off the desktop is not applied; the window may hang off the left edge by
    // up to its own width. The size follows from the zoom step.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect desktop = screen != nullptr ? screen->availableVirtualGeometry() : QRect();
    QPoint place = pos();
    if (appData.Left >= desktop.left() - appData.Width && appData.Left <= desktop.right()) {
        place.setX(appData.Left);
    }
    if (appData.Top >= desktop.top() && appData.Top <= desktop.bottom()) {
        place.setY(appData.Top);
    }
    move(place);
}

void TMainForm::RestoreWindowStyle() {
    const TAppData& appData = FCalculator.AppData();
    if (appData.IsTopMost) {
        SetTopMost(true);
    }
    FIsTransparent = false;
    if (appData.Transparency) {
        ApplyTransparency(appData.TransparencyValue);
    }
}

void TMainForm::RestoreKeypadsAndPanels() {
    const TAppData& appData = FCalculator.AppData();
    // A damaged file must not shrink the window to nothing.
    FWindowScaleNumber = std::max(0, appData.WindowScaleNumber);
    FIsFunctionPanel = appData.IsFunctionPanel;
    FIsNumberPanel = appData.IsNumberPanel;
    Action("FunctinPanelKeyAction")->setChecked(FIsFunctionPanel);
    Action("NumberPanelKeyAction")->setChecked(FIsNumberPanel);
    FPanelWindows.RestorePanels(FCalculator.AppData());
    ApplyWindowScale(FWindowScaleNumber);
}

void TMainForm::SaveState() {
    if (FIsSaved) {
        return;
    }
    FIsSaved = true;
    TAppData& appData = FCalculator.AppData();
    appData.Left = pos().x();
    appData.Top = pos().y();
    appData.Width = width();
    appData.Height = height();
    appData.IsTopMost = IsTopMost();
    appData.Transparency = FIsTransparent;
    appData.IsFunctionPanel = FIsFunctionPanel;
    appData.IsNumberPanel = FIsNumberPanel;
    appData.WindowScaleNumber = FWindowScaleNumber;
    FPanelWindows.StorePanels(appData);
    try {
        FCalculator.SaveState();
    } catch (const std::exception& error) {
        qWarning("Kalvio: the settings could not be written: %s", error.what());
    }
}

// ---- Events ----------------------------------------------------------------------------------

void TMainForm::keyPressEvent(QKeyEvent* event) {
    FCalculator.FormKeyDown(VirtualKeyOf(event->key()));
    event->accept();
}

void TMainForm::wheelEvent(QWheelEvent* event) {
    if (!event->modifiers().testFlag(Qt::ControlModifier)) {
        event->ignore();
        return;
    }
    const int delta = event->angleDelta().y();
    if (delta > 0) {
        Action("ZoomInWindowAction")->trigger();
    } else if (delta < 0) {
        Action("ZoomOutWindowAction")->trigger();
    }
    event->accept();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    SaveState();
    event->accept();
}

// ---- Notifications from the calculator -------------------------------------------------------

void TMainForm::MemoryButtonChanged(bool isVisible, const std::u16string& caption) {
    QAction* action = Action("MAction");
    action->setText(FromU16(caption));
    action->setVisible(isVisible);
    FMBtn->setText(FromU16(caption));
    FMBtn->setVisible(isVisible);
    if (isVisible) {
        UpdateMemoryButtonGeometry();
    }
}

void TMainForm::AngleButtonChanged(const std::u16string& caption) {
    FAngleModeBtn->setText(FromU16(caption));
}

void TMainForm::ResultModeButtonChanged(const std::u16string& caption) {
    FResultModeBtn->setText(FromU16(caption));
}

void TMainForm::PlaceResultLabels() {
    const QRect result = findChild<QFrame*>(QStringLiteral("ResultPanel"))->geometry();
    FCalcLabel->move(result.left() + 3, result.top() + 1);
    FBcdLabel->move(result.left() + 3 + FCalcLabel->width() + 4, result.top() + 1);
}

void TMainForm::ShowResultLabel(QLabel& label, bool isVisible) {
    if (isVisible && !FAreResultLabelsSized) {
        FCalcLabel->adjustSize();
        FBcdLabel->adjustSize();
        FAreResultLabelsSized = true;
        PlaceResultLabels();
    }
    label.setVisible(isVisible);
}

void TMainForm::CalcLabelChanged(bool isVisible) {
    ShowResultLabel(*FCalcLabel, isVisible);
}

void TMainForm::BigDecimalModeChanged(bool isBigDecimal) {
    ShowResultLabel(*FBcdLabel, isBigDecimal);
    Action("BigDecimalAction")->setChecked(isBigDecimal);
    FPanelWindows.BigDecimalModeChanged(isBigDecimal);
}

void TMainForm::HistoryChanged() {
    FPanelWindows.HistoryChanged();
}

void TMainForm::HistoryRowSelected(int row) {
    FPanelWindows.HistoryRowSelected(row);
}

void TMainForm::VariablesChanged() {
    FPanelWindows.VariablesChanged();
}

void TMainForm::ExpressionRecordsChanged(bool show) {
    FPanelWindows.ExpressionRecordsChanged(show);
}

void TMainForm::SignificantDigitsChanged() {
    FPanelWindows.SignificantDigitsChanged();
}

void TMainForm::DigitGroupingChanged(bool isOn) {
    Action("DigitGroupingSeparatorAction")->setChecked(isOn);
}

void TMainForm::TopMostToggleRequested() {
    SetTopMost(!IsTopMost());
}

void TMainForm::ShiftChanged(bool isOn) {
    FNumericKeyFrame->SetIsPushShiftBtn(isOn);
    FFunctionKeyFrame->SetButton();
}

void TMainForm::FunctionKeysRefreshRequested() {
    FFunctionKeyFrame->SetButton();
}

} // namespace kalvio
