// Starts the window's program once the page has drawn its first frame: the window is already
// on screen, drawn by the page itself, and the program that makes it answer is set up after.
requestAnimationFrame(() => setTimeout(normalForms));
