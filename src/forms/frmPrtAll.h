#pragma once

#include <QPixmap>
#include <QString>

class QWidget;

// What every working window shares: the house look and the optional skin pictures.
// It is mixed into the three window kinds (dialog, document window, main window), each
// of which has its own Qt base.
class TfrmPrtAll
{
public:
    virtual ~TfrmPrtAll() = default;

    // Skin pictures from the program's resources (":/skin/<name>.png"); a missing one
    // is simply null and the styling that would use it is skipped.
    static QPixmap skin(const QString &name);

protected:
    // Marks panels of the given widget that carry the tool-bar tag (10) so that the
    // style gives them the tool-bar shade; call once the window's widgets exist.
    static void applyHouseLook(QWidget *window);
    // The tag that marks a tool-bar strip.
    static void markToolBar(QWidget *panel);
};
