# The Potato's Journey Around the World

In which qualities does the text say the Andean varieties differed?
+ color, shape and flavor
- size, color and texture
- shape, size and yield
- flavor, texture and yield

Which reason for Europeans' early distrust does the text NOT give?
+ it was blamed for causing leprosy
- it was related to deadly nightshade
- its leaves and sprouts were poisonous
- it grew from a tuber, not from seed

Which advantage over grain does the text NOT give for the potato?
- it fed more people from the same area
- it thrived in cool, damp climates
- its tubers were hidden from theft
+ it kept well through the winter

Which crops does the text compare a field of potatoes with?
- wheat or barley
+ wheat or rye
- oats or barley
- rye or oats

Whom does the text say the potato's vitamin C helped protect from scurvy?
- soldiers and sailors
- children and the elderly
+ sailors and poor communities
- miners and sailors

What does the text turn to right after the crop's spread to Africa, Asia and North America?
- the potato blight of the 1840s
+ the potato's nature as a swollen stem
- the freezing and drying of chuno
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
