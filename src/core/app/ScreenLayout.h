#pragma once

#include <QList>
#include <QRect>
#include <QString>

#include <optional>

// Where the user left the windows: the main window's place and size and the column widths of each grid, kept in the
// user's registry (Registry.ini) under Software/FBMorv.exe/Layout. Only what changed is written, so a run in which
// nothing was moved leaves the file as it was.
class ScreenLayout {
public:
    struct Placement {
        QRect normal; // the frame's position and the client size when it is neither maximised nor minimised
        bool maximised = false;
    };

    explicit ScreenLayout(const QString& registryFile)
        : m_registryFile(registryFile)
    {
    }

    // Empty when nothing whole was stored for the window.
    std::optional<Placement> placement(const QString& window) const;
    bool setPlacement(const QString& window, const Placement& placement) const;

    // One width in pixels per column, 0 for a column the user never widened; empty when none was stored.
    QList<int> columnWidths(const QString& grid) const;
    bool setColumnWidths(const QString& grid, const QList<int>& widths) const;

private:
    QString m_registryFile;
};
