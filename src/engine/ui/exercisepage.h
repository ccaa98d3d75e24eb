#pragma once

namespace mirvel {

// What the run engine asks of an exercise page. The engine knows nothing of
// the exercises' content; the pages know nothing of counting, timing or
// storing: they read the current task from the engine's run record, show it,
// store its solution there, and report answers through the engine.
class ExercisePage {
 public:
  virtual ~ExercisePage() = default;

  // True for the exercise numbers this page presents.
  virtual bool Handles(int exam) const = 0;
  // The page's own set-up at the start of a run (after the common steps).
  virtual void PreparePage(int exam) = 0;
  // Loads and shows the current task, stores its solution (and what was
  // shown) in the run record and starts the word's recording; never waits.
  virtual void PresentTask(int exam) = 0;
  // True when the answer in its current state is right; may disable the
  // page's answer controls, so that no answer is given twice.
  virtual bool CheckAnswer(int exam) = 0;
};

}  // namespace mirvel
