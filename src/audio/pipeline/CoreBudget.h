#pragma once

// How many encoders may run at once in this process: one for each conversion
// running, and helpers for a file split into parts while cores are free.
class TCoreBudget {
 public:
  // The jobs a run or batch may use; 0 for one for each processor core.
  static void SetJobs(int jobs);
  static int Jobs();
  // A conversion starts or ends; it always counts, whatever is free.
  static void Enter();
  static void Leave();
  // Jobs not taken by anything running now.
  static int Free();
  // A helper encoder may start when fewer are running than there are jobs.
  static bool TryTakeHelper();
  static void GiveHelper();
};
