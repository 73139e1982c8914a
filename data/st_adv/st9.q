# The Potato's Journey Around the World

How many ways of preparing potatoes does the opening list?
- four
- three
+ five
- six

Which reason for Europeans' early distrust does the text NOT give?
+ it was blamed for causing leprosy
- it was related to deadly nightshade
- its leaves and sprouts were poisonous
- it grew from a tuber, not from seed

How does the text say Parmentier won people over to potatoes?
+ dinners and publicity stunts
- publicity stunts and pamphlets
- pamphlets and gifts to the king
- gifts to the king and dinners

Being hidden underground, what were the tubers less exposed to, says the text?
- theft and frost
- frost and pests
- pests and trampling
+ trampling and theft

Whom does the text say the potato's vitamin C helped protect from scurvy?
- sailors and soldiers
+ sailors and the poor
- soldiers and miners
- miners and the poor

What does the text turn to right after the crop's spread to Africa, Asia and North America?
- the blight of the 1840s
+ the potato as a swollen stem
- the freezing of chuno
- Parmentier's work in France

Which of these does the text NOT say about the potato blight?
- it reached Europe in the 1840s
- it turned fields into black slime
- Ireland suffered from it worst
+ about a million people died of it

Besides the blight, what does the text's last paragraph deal with?
- how a field of clones shares the same weaknesses
- how reliable harvests let Europe's population grow
+ how old Andean kinds are kept to guard against disease
- how each eye on a tuber is really a bud
