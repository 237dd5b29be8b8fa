#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// Renders nation flags from the SVG flag collection installed on the build machine.
class FlagRenderer {
  public:
    static constexpr int kWidth = 120;
    static constexpr int kHeight = 90;

    explicit FlagRenderer(QString svgDir);

    // The flag for a nation key (an ISO 3166 two-letter code, any case, or a regional flag name such as
    // "scotland"). When no drawing exists a plain grey flag with the key is returned and found is false.
    QImage render(const QString& key, bool* found = nullptr) const;

    // Keys in the first column of a tab-separated file whose first line is the header.
    static QStringList keysFromTable(const QString& path, QString* error = nullptr);

  private:
    QString svgPathFor(const QString& key) const;
    static QImage placeholder(const QString& key);

    QString m_svgDir;
};
