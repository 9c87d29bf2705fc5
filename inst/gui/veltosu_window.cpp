#include "inst/gui/veltosu_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include "inst/veltosu.h"
#include "platform/qt/qt_text.h"

namespace plix::inst {
namespace {

// Paths cross in the file system's own encoding, not as Windows-1252 text.
QString fromPath(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }
std::string toPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

void setBold(QWidget* w) {
    QFont font = w->font();
    font.setBold(true);
    w->setFont(font);
}

QLabel* makePicture(FormBinder& b, QWidget* parent, Picture& c, const QString& file) {
    auto* picture = b.make<QLabel>(parent, c);
    picture->setScaledContents(true);
    picture->setPixmap(QPixmap(file));
    return picture;
}

// Shows items as the list's lines; the user's choice goes to ListIndex.
void drawCombo(QComboBox* box, const ComboBox& c, const std::function<QString(const std::string&)>& text,
               const QIcon& icon = {}) {
    QStringList items;
    for (const auto& item : c.Items) items << text(item);
    QStringList shown;
    for (int i = 0; i < box->count(); ++i) shown << box->itemText(i);
    const QSignalBlocker block(box);
    if (shown != items) {
        box->clear();
        box->addItems(items);
        if (!icon.isNull())
            for (int i = 0; i < box->count(); ++i) box->setItemIcon(i, icon);
    }
    if (box->currentIndex() != c.ListIndex) box->setCurrentIndex(c.ListIndex);
}

}  // namespace

VeltosuWindow::VeltosuWindow(Inst& inst)
    : QWidget(nullptr, Qt::Dialog | Qt::WindowCloseButtonHint | Qt::WindowTitleHint),
      in_(inst),
      binder_([this](const std::function<void()>& h) { run(h); }) {
    setObjectName(QStringLiteral("veltosu"));
    buildControls();
}

void VeltosuWindow::buildControls() {
    VeltosuForm& f = in_.veltosu;
    FormBinder& b = binder_;
    const QString icon = fromPath(in_.setupFile(kIconFile).string());

    makePicture(b, this, f.Picture1, icon);
    makePicture(b, this, f.Picture2, icon);
    auto* start = b.make<QWidget>(this, f.fr_stsrt);
    auto* ltaal = b.make<QLabel>(start, f.ltaal);
    languages_ = b.make<QComboBox>(start, f.Combo1);
    ltaal->setBuddy(languages_);   // the label's "&" marks the list's shortcut
    drives_ = b.make<QComboBox>(start, f.Drive1);
    target_ = b.make<QLineEdit>(start, f.tpad);
    auto* folder = b.make<QPushButton>(start, f.Dir1);
    folder->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    b.makeCheck(start, f.chkst);
    setBold(b.make<QPushButton>(this, f.cinstall));
    setBold(b.make<QPushButton>(this, f.cexit));
    auto* lend = b.make<QLabel>(this, f.lend);
    lend->setWordWrap(true);
    lend->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setBold(lend);
    b.make<QLabel>(this, f.Label1);

    QObject::connect(languages_, &QComboBox::activated, this, [this](int index) {
        run([this, index] {
            in_.veltosu.Combo1.ListIndex = index;
            Combo1_Click(in_);
        });
    });
    QObject::connect(drives_, &QComboBox::activated, this, [this](int index) {
        run([this, index] {
            in_.veltosu.Drive1.ListIndex = index;
            Drive1_Change(in_);
        });
    });
    QObject::connect(target_, &QLineEdit::textEdited, this,
                     [this](const QString& text) { in_.veltosu.tpad.Text = toPath(text); });
    QObject::connect(folder, &QPushButton::clicked, this, [this] {
        const QString chosen = QFileDialog::getExistingDirectory(this, QString(), fromPath(in_.veltosu.Dir1.Path));
        if (chosen.isEmpty()) return;
        run([this, chosen] {
            in_.veltosu.Dir1.Path = toPath(chosen);
            Dir1_Change(in_);
        });
    });
    b.onClick(f.cinstall, [this] {
        // The copy runs inside the handler; the pointer shows it meanwhile.
        QApplication::setOverrideCursor(Qt::WaitCursor);
        cinstall_Click(in_);
        QApplication::restoreOverrideCursor();
    });
    b.onClick(f.cexit, [this] { cexit_Click(in_); });
}

void VeltosuWindow::run(const std::function<void()>& handler) {
    handler();
    draw();
}

void VeltosuWindow::drawLists() {
    const VeltosuForm& f = in_.veltosu;
    drawCombo(languages_, f.Combo1, [](const std::string& s) { return toQt(s); });
    drawCombo(drives_, f.Drive1, fromPath, style()->standardIcon(QStyle::SP_DriveHDIcon));
    const QString target = fromPath(f.tpad.Text);
    if (target_->text() != target) target_->setText(target);
}

void VeltosuWindow::draw() {
    const FormControl& form = in_.veltosu.form;
    if (in_.st.ProgramEnded) {
        close();
        return;
    }
    setWindowTitle(toQt(form.Caption));
    const Twips& t = binder_.twips();
    setFixedSize(t.px(form.Width), t.px(form.Height));
    setCursor(form.Pointer == MousePointer::Hourglass ? Qt::WaitCursor : Qt::ArrowCursor);
    binder_.draw();
    drawLists();
    if (form.Visible && !isVisible()) show();
}

void VeltosuWindow::closeEvent(QCloseEvent* event) {
    if (!in_.st.ProgramEnded) cexit_Click(in_);
    event->accept();
}

}  // namespace plix::inst
