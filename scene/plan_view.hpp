// The view state of the position overview: whether the drawing shows the plan of the open
// position, how that follows the position, and what a right click in the drawing does.
#pragma once

namespace scene {

/// What a right click in the overview drawing asks for.
enum class RightClick {
    ShowPlan, ///< the plan was hidden and is shown now
    Results,  ///< the plan is shown: the front end starts the result graphics
};

/// Whether the overview drawing shows the plan; hidden at start. The front end keeps it and
/// tells it what became of the position, so that the document knows nothing of its views.
class PlanView {
  public:
    /// True while the drawing shows the plan.
    bool shown() const { return shown_; }

    /// "Grundriß einblenden" (tool bar, key, space bar): a shown plan is hidden and a hidden one
    /// shown.
    void toggle() { shown_ = !shown_; }

    /// Hides the plan: at start, and when no position is open.
    void hide() { shown_ = false; }

    /// The right mouse button: a hidden plan is shown; a shown plan asks for the results.
    RightClick rightClick();

    /// A position was opened, chosen or created: the plan shows when it has a model.
    void positionOpened(bool hasModel);

    /// The position was read again (after a program that was waited for, or on a new data
    /// path): a shown plan stays shown only while the position has a model.
    void positionReread(bool hasModel);

  private:
    bool shown_ = false;
};

} // namespace scene
