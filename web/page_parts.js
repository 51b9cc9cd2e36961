// The page's script and style elements, found in one place: the assembler hashes them for the
// page's policy, and the tests and benches take the page's scripts out of it or apart.
//   node page_parts.js without-scripts PAGE.html > OUT.html
//   node page_parts.js scripts PAGE.html FOLDER    (writes FOLDER/page-script-N.js)
'use strict';
const fs = require('fs');
const path = require('path');

// Every element `tag` of `page` with its content, in order.
function elements(page, tag) {
  return Array.from(page.matchAll(new RegExp(`<${tag}(?:\\s[^>]*)?>([\\s\\S]*?)</${tag}>`, 'g')),
      (found) => ({whole: found[0], content: found[1]}));
}

// The page with no script element.
function withoutScripts(page) {
  return elements(page, 'script').reduce((rest, script) => rest.replace(script.whole, ''), page);
}

module.exports = {elements, withoutScripts};

if (require.main === module) {
  const [command, file, folder] = process.argv.slice(2);
  const page = file ? fs.readFileSync(file, 'utf8') : '';
  if (command === 'without-scripts' && file) {
    process.stdout.write(withoutScripts(page));
  } else if (command === 'scripts' && folder) {
    const scripts = elements(page, 'script');
    if (scripts.length === 0) {
      console.error(`page_parts.js: ${file} has no script`);
      process.exit(1);
    }
    scripts.forEach((script, n) =>
      fs.writeFileSync(path.join(folder, `page-script-${n}.js`), script.content));
  } else {
    console.error('usage: page_parts.js without-scripts PAGE | scripts PAGE FOLDER');
    process.exit(2);
  }
}
