#include "app/AboutBox.h"

#include "app/PanelBuilding.h"
#include "app/UpdateCheck.h"
#include "core/ProgramInfo.h"
#include "core/TextEditing.h"

#include <QDesktopServices>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QUrlQuery>
#include <QVBoxLayout>

namespace lx {

namespace {

using panel::U;

// A label that acts as a link: the link colour, a pointing hand, underlined
// while the mouse is over it, and a click runs its action.
class LinkLabel : public QLabel {
public:
    LinkLabel(const QString& name, const QString& toolTip, std::function<void()> action, QWidget* parent)
        : QLabel(parent)
        , action_(std::move(action))
    {
        setObjectName(name);
        setToolTip(toolTip);
        setCursor(Qt::PointingHandCursor);
        setForegroundRole(QPalette::Link);
    }

protected:
    void enterEvent(QEnterEvent* event) override
    {
        Underline(true);
        QLabel::enterEvent(event);
    }
    void leaveEvent(QEvent* event) override
    {
        Underline(false);
        QLabel::leaveEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            action_();
        QLabel::mouseReleaseEvent(event);
    }

private:
    void Underline(bool on)
    {
        QFont f = font();
        f.setUnderline(on);
        setFont(f);
    }
    std::function<void()> action_;
};

// The picture link: a corner of a letter grid with one word found, drawn here
// so that no image file is needed.
QPixmap GridPicture(int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF frame(1, 1, side - 2, side - 2);
    p.setPen(QPen(QColor(0x2c, 0x4a, 0x7a), 2));
    p.setBrush(QColor(0xfd, 0xfc, 0xf6));
    p.drawRoundedRect(frame, 5, 5);
    const double cell = (side - 4) / 3.0;
    p.setPen(QPen(QColor(0xff, 0xd2, 0x3f).darker(130), 1.2));
    p.setBrush(QColor(0xff, 0xd2, 0x3f));
    p.drawRoundedRect(QRectF(3, 2 + cell + 2, side - 6, cell - 4), cell / 2 - 2, cell / 2 - 2);
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(int(cell * 0.55));
    p.setFont(font);
    const char* letters = "LEXMOTCAS";
    for (int i = 0; i < 9; ++i) {
        p.setPen(i / 3 == 1 ? QColor(0x1d, 0x2f, 0x52) : QColor(0x5b, 0x6b, 0x82));
        const QRectF box(2 + (i % 3) * cell, 2 + (i / 3) * cell, cell, cell);
        p.drawText(box, Qt::AlignCenter, QString(QLatin1Char(letters[i])));
    }
    return pixmap;
}

} // namespace

AboutBox::AboutBox(UpdateChecker& updates, QWidget* parent)
    : QDialog(parent)
    , openUrl([](const QUrl& url) { QDesktopServices::openUrl(url); })
    , updates_(updates)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(FullName());
    setModal(true);

    auto* lblTitle = new QLabel(ProductName(), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 2);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    auto* lblVersion = new QLabel(VersionText(), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    QFont versionFont = lblVersion->font();
    versionFont.setPointSizeF(versionFont.pointSizeF() * 1.3);
    lblVersion->setFont(versionFont);

    auto* lblDescription = new QLabel(
        WithoutBreaksInside(U("Lexigrille crée des fiches de jeux de lettres à imprimer pour l'école primaire, du CP au CM2 : "
                              "mots mêlés (le jeu « Lexigrille »), mots casés et mots codés.")),
        this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setWordWrap(true);

    const QUrl page = MakerWebPage();
    auto* lblWebsite = new LinkLabel(QStringLiteral("lblWebsite"), U("Site Internet"), [this] { OpenWebPage(); }, this);
    lblWebsite->setText(page.host());
    auto* lblEmail = new LinkLabel(QStringLiteral("lblEmail"), U("Écrire à l'auteur"),
                                   [this] { openUrl(MailUrl()); }, this);
    lblEmail->setText(QString::fromLatin1(kMakerEmail));

    auto* pctDonate = new LinkLabel(QStringLiteral("pctDonate"), U("La page de Lexigrille"), [this] { OpenWebPage(); }, this);
    pctDonate->setPixmap(GridPicture(56));
    pctDonate->setFixedSize(56, 56);

    auto* cmdUpdate = new QPushButton(U("Vérifier les mises à jour"), this);
    cmdUpdate->setObjectName(QStringLiteral("cmdUpdate"));
    cmdUpdate->setAutoDefault(false);
    // Without an update address the build asks no server: nothing to check.
    if (!updates_.Configured()) {
        cmdUpdate->setEnabled(false);
        cmdUpdate->setToolTip(U("Aucune adresse de recherche des mises à jour n'est configurée"));
    }
    connect(cmdUpdate, &QPushButton::clicked, this, [this] { updates_.Start(true); });
    auto* cmdOK = new QPushButton(U("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    // Title and version on one line, the version just after the title.
    auto* heading = new QHBoxLayout;
    heading->setSpacing(8);
    heading->addWidget(lblTitle, 0, Qt::AlignBaseline);
    heading->addWidget(lblVersion, 0, Qt::AlignBaseline);
    heading->addStretch();

    auto* links = new QVBoxLayout;
    links->setSpacing(2);
    links->addWidget(lblWebsite);
    links->addWidget(lblEmail);

    auto* body = new QGridLayout;
    body->setHorizontalSpacing(16);
    body->addWidget(pctDonate, 0, 0, 3, 1, Qt::AlignTop);
    body->addLayout(heading, 0, 1);
    body->addWidget(lblDescription, 1, 1);
    body->addLayout(links, 2, 1);
    body->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdUpdate);
    buttons->addStretch();
    buttons->addWidget(cmdOK);

    auto* outer = new QVBoxLayout(this);
    outer->addLayout(body);
    outer->addSpacing(8);
    outer->addLayout(buttons);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    lblDescription->setFixedWidth(340);
    cmdOK->setFocus();
}

QUrl AboutBox::MailUrl() const
{
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(QString::fromLatin1(kMakerEmail));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"), QLatin1Char('[') + windowTitle() + QStringLiteral("] "));
    url.setQuery(query);
    return url;
}

void AboutBox::OpenWebPage()
{
    openUrl(MakerWebPage());
}

} // namespace lx
