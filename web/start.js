// Starts the window's program once the page has drawn its first frame: the window is already
// on screen, drawn by the page itself, and the program that makes it answer is set up after.
requestAnimationFrame(() => setTimeout(normalForms));
// Which copy of the program this is, for whoever asks: the version and the commit it was built
// from, as the page's generator tag says.
console.info(document.querySelector('meta[name="generator"]').content);
