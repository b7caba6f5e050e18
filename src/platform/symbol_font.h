#pragma once
// Texts set in the Symbol font show Latin letters as Greek ones (p reads π, D reads Δ, a reads α).
// The mapping lives here only; labels keep the Latin text and paint the Greek one.
#include <QLabel>
#include <QString>

namespace platform {

// The text as the Symbol font shows it.
QString symbolFontText(const QString& latin);
// The same text as a reader takes it: the Greek capitals that only look like Latin ones (the K of
// "2Kπ") given as those Latin letters, for copies, printed pages and screen readers.
QString symbolFontReading(const QString& latin);

// A label set in the Symbol font: text() is the Latin text, the painted text is the Greek one.
class SymbolLabel : public QLabel {
    Q_OBJECT
public:
    explicit SymbolLabel(QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace platform
