// Sums up Lighthouse's JSON reports for bench/lighthouse.sh: each run's scores and total
// blocking time, their medians, the long tasks the page's own script ran, and every audit of
// the four categories that failed in some run.
//   node lighthouse_summary.js RUN.json...
'use strict';
const fs = require('fs');

const categories = ['performance', 'accessibility', 'best-practices', 'seo'];
const reports = process.argv.slice(2).map((file) => JSON.parse(fs.readFileSync(file, 'utf8')));
const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = Math.floor(sorted.length / 2);
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};
const score = (report, id) => Math.round(report.categories[id].score * 100);
const tbt = (report) => report.audits['total-blocking-time'].numericValue;
// The main thread's tasks of 50 ms or more as Lighthouse measured them, unthrottled.
const longTasks = (report) => (report.audits['long-tasks'].details?.items ?? [])
  .map((task) => `${Math.round(task.duration)} ms at ${Math.round(task.startTime)} ms`);

const header = ['run', ...categories, 'TBT ms', 'FCP ms', 'long tasks (simulated)'];
console.log(header.join('\t'));
reports.forEach((report, i) => {
  const fcp = report.audits['first-contentful-paint'].numericValue;
  console.log([i + 1, ...categories.map((id) => score(report, id)), Math.round(tbt(report)),
    Math.round(fcp), longTasks(report).join(', ') || 'none'].join('\t'));
});
console.log(['median', ...categories.map((id) => median(reports.map((r) => score(r, id)))),
  Math.round(median(reports.map(tbt)))].join('\t'));

const failed = new Map();
for (const report of reports) {
  for (const id of categories) {
    for (const ref of report.categories[id].auditRefs) {
      const audit = report.audits[ref.id];
      if (ref.weight > 0 && audit.score !== null && audit.score < 1) {
        failed.set(`${id}: ${ref.id}`, audit.title);
      }
    }
  }
}
console.log(failed.size ? 'Audits not passed in some run:' : 'Every weighted audit passed.');
failed.forEach((title, id) => console.log(`  ${id} (${title})`));
