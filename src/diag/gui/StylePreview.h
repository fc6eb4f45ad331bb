#pragma once
// A sample window drawn in a named style, without changing the look of the rest of the program.

#include <QWidget>

class QStyle;

class TStylePreview : public QWidget {
    Q_OBJECT
  public:
    explicit TStylePreview(QWidget* parent = nullptr);
    ~TStylePreview() override;

    // Draws the sample in the style; an unknown name throws AppError.
    void ShowStyle(const QString& name);
    QString StyleShown() const { return shown; }
    // The sample window now shown; none before the first style.
    QWidget* Sample() const { return sample; }

  private:
    void DropSample();

    QWidget* sample = nullptr;
    QStyle* sampleStyle = nullptr;
    QString shown;
};
