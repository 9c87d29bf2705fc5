#include "inst/gui/veltosu_view.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>

#include "inst/gui/inst_window_set.h"
#include "inst/veltosu.h"

namespace plix::inst {
namespace {

// Folder paths cross in the file system's own encoding, not as
// Windows-1252 text: a path must survive every character a folder name holds.
QString fromPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}
std::string toPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

void setBold(QWidget* w) {
    QFont font = w->font();
    font.setBold(true);
    w->setFont(font);
}

// The drives' paths as the list's lines, each with the drive icon.
void drawDrives(const ComboBox& c, QComboBox* box, const QIcon& icon) {
    QStringList items;
    for (const auto& item : c.Items) items << fromPath(item);
    QStringList shown;
    for (int i = 0; i < box->count(); ++i) shown << box->itemText(i);
    const QSignalBlocker block(box);
    if (shown != items) {
        box->clear();
        for (const QString& item : items) box->addItem(icon, item);
    }
    if (box->currentIndex() != c.ListIndex) box->setCurrentIndex(c.ListIndex);
}

}  // namespace

VeltosuView::VeltosuView(InstWindowSet& set)
    : WindowBase(set, set.inst().veltosu.form), in_(set.inst()) {
    setObjectName(QStringLiteral("veltosu"));
    // A dialog of fixed size, as the design draws it.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    const FormControl& form = in_.veltosu.form;
    setFixedSize(twips().px(form.Width), twips().px(form.Height));
    buildControls();
}

void VeltosuView::buildControls() {
    VeltosuForm& f = in_.veltosu;
    FormBinder& b = binder();
    const QPixmap icon(fromPath(in_.setupFile(kIconFile).string()));
    for (Picture* picture : {&f.Picture1, &f.Picture2}) {
        auto* label = b.make<QLabel>(body(), *picture);
        label->setScaledContents(true);
        label->setPixmap(icon);
    }

    auto* start = b.make<QWidget>(body(), f.fr_stsrt);
    b.makeLabel(start, f.ltaal);
    b.makeCombo(start, f.Combo1);
    b.buddy(f.ltaal, f.Combo1);  // the label's "&" moves to the list
    buildFolderControls(start);
    b.makeCheck(start, f.chkst);

    setBold(b.make<QPushButton>(body(), f.cinstall));
    setBold(b.make<QPushButton>(body(), f.cexit));
    QLabel* lend = b.makeLabel(body(), f.lend);
    lend->setWordWrap(true);
    lend->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setBold(lend);
    b.makeLabel(body(), f.Label1);

    Inst& in = in_;
    b.onClick(f.Combo1, [&in] { Combo1_Click(in); });
    b.onClick(f.cinstall, [&in] {
        // The copy runs inside the handler; the pointer shows it meanwhile.
        QApplication::setOverrideCursor(Qt::WaitCursor);
        cinstall_Click(in);
        QApplication::restoreOverrideCursor();
    });
    b.onClick(f.cexit, [&in] { cexit_Click(in); });
}

// The drive list, the target box and the folder chooser hold paths.
void VeltosuView::buildFolderControls(QWidget* start) {
    VeltosuForm& f = in_.veltosu;
    FormBinder& b = binder();
    Inst& in = in_;

    auto* drives = new QComboBox(start);
    const QIcon driveIcon = style()->standardIcon(QStyle::SP_DriveHDIcon);
    b.bind(f.Drive1, drives, [&f, drives, driveIcon] { drawDrives(f.Drive1, drives, driveIcon); });
    QObject::connect(drives, &QComboBox::activated, this, [this, &in](int index) {
        run([&in, index] {
            in.veltosu.Drive1.ListIndex = index;
            Drive1_Change(in);
        });
    });

    auto* target = new QLineEdit(start);
    b.bind(f.tpad, target, [&f, target] {
        const QString text = fromPath(f.tpad.Text);
        if (target->text() != text) target->setText(text);
    });
    QObject::connect(target, &QLineEdit::textEdited, this,
                     [&f](const QString& text) { f.tpad.Text = toPath(text); });

    auto* folder = new QPushButton(start);
    folder->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    b.bind(f.Dir1, folder);
    QObject::connect(folder, &QPushButton::clicked, this, [this, &in] {
        const QString chosen =
            QFileDialog::getExistingDirectory(this, QString(), fromPath(in.veltosu.Dir1.Path));
        if (chosen.isEmpty()) return;
        run([&in, chosen] {
            in.veltosu.Dir1.Path = toPath(chosen);
            Dir1_Change(in);
        });
    });
}

bool VeltosuView::closeBox() {
    cexit_Click(in_);
    return true;
}

}  // namespace plix::inst
