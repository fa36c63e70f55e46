// A key that an input method is still composing with (Enter to take the
// conversion, Esc to drop it) belongs to the input method, not the screen.
// Some browsers send that Enter only after the composition ended, flagged by
// its key code alone.
export function composing(event) { return event.isComposing || event.keyCode === 229; }
