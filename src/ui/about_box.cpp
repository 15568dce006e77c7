#include "ui/about_box.h"

#include "core/os_description.h"
#include "core/version.h"
#include "ui/help_keys.h"
#include "ui/help_topics.h"
#include "ui/program_icon.h"

#include <QEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace zaf::gui {
namespace {

QLabel* makeLabel(const QString& text, const QString& name, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

} // namespace

TAboutBox::TAboutBox(store::TData_Form* dataForm, DebugModeHooks hooks, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), m_data(dataForm), m_hooks(std::move(hooks))
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About ZAF"));
    setHelpContext(this, help_topic::AboutBox);

    m_icon = new QLabel(this);
    m_icon->setObjectName(QStringLiteral("ProgramIcon"));
    m_icon->setPixmap(programIcon(64));
    m_icon->setFixedSize(64, 64);
    m_icon->installEventFilter(this);

    QLabel* product = makeLabel(QStringLiteral("Zafaro"), QStringLiteral("ProductName"), this);
    QFont big = product->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.6);
    product->setFont(big);
    QLabel* version = makeLabel(QStringLiteral("Version: ") + versionText(), QStringLiteral("Version"), this);
    QLabel* built = makeLabel(QStringLiteral("Built: May 19 12:00"), QStringLiteral("Built"), this);
    QLabel* system = makeLabel(osDescription(), QStringLiteral("OSVersion"), this);
    system->setWordWrap(false); // a kernel release breaks badly at its hyphens

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(product);
    texts->addWidget(version);
    texts->addWidget(built);
    texts->addSpacing(8);
    texts->addWidget(system);
    auto* body = new QHBoxLayout;
    body->addWidget(m_icon, 0, Qt::AlignTop);
    body->addSpacing(12);
    body->addLayout(texts, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TAboutBox::showCentred()
{
    adjustSize();
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
    raise();
    activateWindow();
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_icon && event->type() == QEvent::MouseButtonDblClick) {
        if (m_data)
            askDebugPassword(*m_data, m_hooks);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace zaf::gui
